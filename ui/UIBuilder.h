// Turns the UI tables into the launcher window's controls and owns them for the window object's life.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "ButtonST.h"
#include "SimpleBrowser.h"
#include "SkinProgress.h"
#include "Framework.h"
#include "UiTables.h"

class CUIBuilder {
public:
    CUIBuilder() = default;
    ~CUIBuilder();
    CUIBuilder(const CUIBuilder&) = delete;
    CUIBuilder& operator=(const CUIBuilder&) = delete;

    // A null table is skipped by Build.
    void SetTables(const BUTTON_ITEM* pButtonItems, const RADIO_ITEM* pRadioItems,
                   const BROWSER_ITEM* pBrowserItems, const PROGRESS_ITEM* pProgressItems,
                   const EDIT_ITEM* pEditItems);
    // Creates the controls of every table as children of pParent: push buttons, radio buttons, progress
    // bars, browser panes, edit boxes. FALSE when a browser pane cannot be created; the tables after it are
    // then left alone.
    BOOL Build(CWnd* pParent);
    // For the parent's control-colour requests: an edit box of the table gets its row's background.
    void OnCtlColorHook(CWnd* pWnd, CDC* pDC, UINT nCtlColor, HBRUSH& hBrush) const;
    CBrush* FindEditBrush(UINT nID) const;
    // Whether hWnd is the window of one of the browser panes this builder made.
    bool IsBrowser(HWND hWnd) const;
    // The bitmap resource nID, kept by the builder; null for 0 or when it does not load.
    CBitmap* LoadBitmapResource(UINT nID);

private:
    void BuildPushButtons(CWnd* pParent);
    void BuildRadioButtons(CWnd* pParent);
    void BuildProgressBars(CWnd* pParent);
    BOOL BuildBrowsers(CWnd* pParent);
    void BuildEditBoxes(CWnd* pParent);

    int m_nNextId = 10000;
    const BUTTON_ITEM* m_pButtonItems = nullptr;
    const RADIO_ITEM* m_pRadioItems = nullptr;
    const BROWSER_ITEM* m_pBrowserItems = nullptr;
    const PROGRESS_ITEM* m_pProgressItems = nullptr;
    const EDIT_ITEM* m_pEditItems = nullptr;
    std::vector<std::unique_ptr<CButtonST>> m_buttons; // push and radio buttons, in creation order
    std::vector<std::unique_ptr<SimpleBrowser>> m_browsers;
    std::vector<std::unique_ptr<CSkinProgress>> m_progressBars;
    std::vector<std::unique_ptr<CStatic>> m_progressHosts;
    std::vector<std::unique_ptr<CEdit>> m_edits;
    std::vector<std::unique_ptr<CBitmap>> m_bitmaps;       // the progress bars' skins
    std::map<UINT, std::unique_ptr<CBrush>> m_editBrushes; // by control id
};
