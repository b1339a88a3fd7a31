// Image-button skins of the program's windows: the four state pictures of a button.
#pragma once

#include "skin/SFSkinStyles.h"

#include <string>

// The pictures of the states normal, hover, pressed and disabled; the spare fields stay empty.
inline ImageButtonStyle ButtonPictures(const wchar_t* normal, const wchar_t* hover, const wchar_t* pressed,
                                       const wchar_t* disabled)
{
    ImageButtonStyle style;
    style[0] = normal;
    style[1] = hover;
    style[2] = pressed;
    style[3] = disabled;
    return style;
}

// The pictures named "<prefix>-normal.png", "-hover.png", "-pressed.png" and "-disabled.png".
inline ImageButtonStyle PrefixedButtonPictures(const std::wstring& prefix)
{
    return ButtonPictures((prefix + L"-normal.png").c_str(), (prefix + L"-hover.png").c_str(),
                          (prefix + L"-pressed.png").c_str(), (prefix + L"-disabled.png").c_str());
}
