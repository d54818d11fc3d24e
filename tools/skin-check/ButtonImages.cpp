#include "ButtonImages.h"

#include "FileBytes.h"
#include "FaceRows.h"

#include <algorithm>

std::vector<ButtonImage> CheckButtonImages(const std::string& folder) {
    std::vector<ButtonImage> images;
    for (const BUTTON_DATA& button : kButtonData) {
        for (const int id :
             {button.normalImage, button.hoverImage, button.pressedImage, button.disabledImage}) {
            const bool seen = std::any_of(images.begin(), images.end(),
                                          [id](const ButtonImage& image) { return image.id == id; });
            if (id == 0 || seen)
                continue;
            ButtonImage image;
            image.id = id;
            image.file = "btn_" + std::to_string(id) + ".bmp";
            image.expectedWidth = button.face.Width();
            image.expectedHeight = button.face.Height();
            std::vector<std::uint8_t> bytes;
            if (ReadFileBytes(folder + "/" + image.file, bytes))
                image.facts = ReadBitmapFacts(bytes);
            else
                image.facts.problem = "cannot be read";
            images.push_back(image);
        }
    }
    return images;
}
