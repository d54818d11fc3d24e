#include "UIBuilder.h"

#include "ButtonWindow.h"
#include "KeyColours.h"

namespace {

constexpr COLORREF kMagentaKey = kFaceKeyColorref;

// Deletes the owned objects first to last, then empties the list.
template <typename T> void DeleteInOrder(std::vector<std::unique_ptr<T>>& list) {
    for (std::unique_ptr<T>& item : list) {
        item.reset();
    }
    list.clear();
}

} // namespace

CUIBuilder::~CUIBuilder() {
    DeleteInOrder(m_buttons);
    DeleteInOrder(m_browsers);
    DeleteInOrder(m_progressBars);
    DeleteInOrder(m_progressHosts);
    DeleteInOrder(m_edits);
    DeleteInOrder(m_bitmaps);
    for (auto& entry : m_editBrushes) {
        entry.second.reset();
    }
    m_editBrushes.clear();
}

void CUIBuilder::SetTables(const BUTTON_ITEM* pButtonItems, const RADIO_ITEM* pRadioItems,
                           const BROWSER_ITEM* pBrowserItems, const PROGRESS_ITEM* pProgressItems,
                           const EDIT_ITEM* pEditItems) {
    m_pButtonItems = pButtonItems;
    m_pRadioItems = pRadioItems;
    m_pBrowserItems = pBrowserItems;
    m_pProgressItems = pProgressItems;
    m_pEditItems = pEditItems;
}

BOOL CUIBuilder::Build(CWnd* pParent) {
    if (m_pButtonItems != nullptr) {
        BuildPushButtons(pParent);
    }
    if (m_pRadioItems != nullptr) {
        BuildRadioButtons(pParent);
    }
    if (m_pProgressItems != nullptr) {
        BuildProgressBars(pParent);
    }
    if (m_pBrowserItems != nullptr && !BuildBrowsers(pParent)) {
        return FALSE;
    }
    if (m_pEditItems != nullptr) {
        BuildEditBoxes(pParent);
    }
    return TRUE;
}

void CUIBuilder::BuildPushButtons(CWnd* pParent) {
    for (const BUTTON_ITEM* row = m_pButtonItems; row->type != 0; ++row) {
        const PixelRect window = ButtonWindowRect(PixelRect{row->left, row->top, row->right, row->bottom});
        const CRect rect(window.left, window.top, window.right, window.bottom);
        auto button = std::make_unique<CButtonST>();
        button->Create(row->caption, WS_VISIBLE, rect, pParent, static_cast<UINT>(row->id));
        button->SetActionType(row->type);
        button->SetFaceImages(static_cast<UINT>(row->hoverImage), static_cast<UINT>(row->normalImage),
                              static_cast<UINT>(row->pressedImage), kMagentaKey,
                              static_cast<UINT>(row->disabledImage), kMagentaKey);
        button->SetTipText(row->caption);
        button->SetTargetUrl(row->url);
        button->SetFlatLook(TRUE, TRUE);
        button->EnableParentBackground(FALSE);
        button->ShowHoverFrame(FALSE, TRUE);
        m_buttons.push_back(std::move(button));
    }
}

void CUIBuilder::BuildRadioButtons(CWnd* pParent) {
    std::map<unsigned int, CButtonST*> groupHeads;
    for (const RADIO_ITEM* row = m_pRadioItems; row->id != 0; ++row) {
        const CRect rect(row->left, row->top, row->right, row->bottom);
        auto button = std::make_unique<CButtonST>();
        button->Create(row->caption, WS_VISIBLE | BS_RADIOBUTTON, rect, pParent, static_cast<UINT>(row->id));
        button->SetFaceImages(static_cast<UINT>(row->checkedImage), static_cast<UINT>(row->normalImage), 0, 0,
                              0, 0);
        button->SetTipText(row->caption);
        button->EnableParentBackground(FALSE);
        button->ShowHoverFrame(FALSE, TRUE);
        const auto head = groupHeads.emplace(row->group, button.get());
        if (!head.second) {
            CButtonST::AppendToGroup(head.first->second, button.get());
        }
        m_buttons.push_back(std::move(button));
    }
}

void CUIBuilder::BuildProgressBars(CWnd* pParent) {
    for (const PROGRESS_ITEM* row = m_pProgressItems; row->id != 0; ++row) {
        auto host = std::make_unique<CStatic>();
        host->Create(L"", WS_VISIBLE, CRect(row->left, row->top, row->right, row->bottom), pParent,
                     static_cast<UINT>(m_nNextId++));
        CBitmap* const skin = row->image != 0 ? LoadBitmapResource(static_cast<UINT>(row->image)) : nullptr;
        auto bar = std::make_unique<CSkinProgress>(host.get(), skin, row->rangeMax);
        m_progressHosts.push_back(std::move(host));
        bar->SetDlgCtrlID(row->id);
        m_progressBars.push_back(std::move(bar));
    }
}

BOOL CUIBuilder::BuildBrowsers(CWnd* pParent) {
    for (const BROWSER_ITEM* row = m_pBrowserItems; !row->url.IsEmpty(); ++row) {
        // Listed before it is created: its parent answers its first navigations, to the blank page and to
        // the row's address, only for panes it knows.
        m_browsers.push_back(std::make_unique<SimpleBrowser>());
        SimpleBrowser& pane = *m_browsers.back();
        if (!pane.CreateFromControl(pParent, static_cast<UINT>(row->id))) {
            return FALSE;
        }
        pane.MoveWindow(row->left, row->top, row->right - row->left, row->bottom - row->top, TRUE);
        pane.Navigate(row->url);
    }
    return TRUE;
}

void CUIBuilder::BuildEditBoxes(CWnd* pParent) {
    for (const EDIT_ITEM* row = m_pEditItems; row->id != 0; ++row) {
        DWORD style =
            row->multiLine ? WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN : WS_VISIBLE | ES_AUTOHSCROLL;
        if (row->digitsOnly) {
            style |= ES_NUMBER;
        }
        if (row->password) {
            style |= ES_PASSWORD;
        }
        auto edit = std::make_unique<CEdit>();
        edit->Create(style, CRect(row->left, row->top, row->right, row->bottom), pParent,
                     static_cast<UINT>(row->id));
        auto brush = std::make_unique<CBrush>();
        if (brush->CreateSolidBrush(row->background)) {
            // A later row with the same id takes the entry; the brush it replaces is deleted.
            m_editBrushes[static_cast<UINT>(row->id)] = std::move(brush);
        }
        m_edits.push_back(std::move(edit));
    }
}

void CUIBuilder::OnCtlColorHook(CWnd* pWnd, CDC* pDC, UINT nCtlColor, HBRUSH& hBrush) const {
    if (nCtlColor != CTLCOLOR_EDIT || m_pEditItems == nullptr || pWnd == nullptr) {
        return;
    }
    const int id = pWnd->GetDlgCtrlID();
    for (const EDIT_ITEM* row = m_pEditItems; row->id != 0; ++row) {
        if (row->id == id) {
            pDC->SetBkColor(row->background);
            const CBrush* brush = FindEditBrush(static_cast<UINT>(id));
            hBrush = brush ? brush->GetSafeHandle() : nullptr;
            return;
        }
    }
}

CBitmap* CUIBuilder::LoadBitmapResource(UINT nID) {
    if (nID == 0) {
        return nullptr;
    }
    auto bitmap = std::make_unique<CBitmap>();
    if (!bitmap->LoadBitmap(nID)) {
        return nullptr;
    }
    m_bitmaps.push_back(std::move(bitmap));
    return m_bitmaps.back().get();
}

bool CUIBuilder::IsBrowser(HWND hWnd) const {
    for (const std::unique_ptr<SimpleBrowser>& pane : m_browsers) {
        if (hWnd != nullptr && pane->GetSafeHwnd() == hWnd) {
            return true;
        }
    }
    return false;
}

CBrush* CUIBuilder::FindEditBrush(UINT nID) const {
    const auto entry = m_editBrushes.find(nID);
    return entry != m_editBrushes.end() ? entry->second.get() : nullptr;
}
