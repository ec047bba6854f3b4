// The player manager's list box as the title screen sets it up: the interface font in white with
// a shadow, a half-transparent grey box, centred rows, a blue highlight over the text, six rows
// shown, placed where the player manager's picture leaves room for it; ten names.
#pragma once

#include "core/fonts.h"
#include "widgets/TListBox.h"

inline TListBoxRef TitleListBox() {
    TListBoxRef list = TListBox::Create(10, 5, 0, 1, 500);
    list->SetupFont(UIFont, TColor::Create(255, 255, 255, 1.0f), TShadow::Create(-1.0f, 2.0f, 0.4f), nullptr,
                    nullptr);
    list->SetupBox(TColor::Create(100, 100, 100, 0.5f));
    list->Centred = 1;
    list->HighlightCol->Set(0, 0, 150, 0.25f);
    list->HighlightUnder = 0;
    list->Limit = 6;
    list->SetCoords(230, 215, 340, 6 * 46);
    list->CalcLineHeight();
    for (const char* name : {"Ann", "Bob", "Carl", "Dora", "Emil", "Fay", "Gus", "Hal", "Ida", "Jo"})
        list->Strings.push_back(name);
    return list;
}
