#include "widgets/TDialog.h"

#include "core/TGame.h"
#include "framework/cc_input.h"
#include "framework/core_services.h"
#include "media/TChannelArray.h"
#include "platform/audio.h"
#include "platform/image.h"
#include "platform/random.h"

int TDialog::Init(const std::string& caption, const platform::ImageRef& background, int width, int height,
                  int atX, int atY) {
    Caption = TLabel::CreateSpecial(caption, 0, 0, 1, 0, 0);
    Background = background;
    DialogColor = TColor::Create(150, 150, 150, 1.0f);
    w = width;
    FixedWidth = width != 0 ? 1 : 0;
    h = height;
    x = atX;
    y = atY;
    return 0;
}

int TDialog::Start() {
    CalcAll();
    MenuPosition();
    OldIgnoreEscapeKey = Game->IgnoreEscapeKey;
    Game->IgnoreEscapeKey = 1;
    Active = 1;
    // A dialog shown again answers afresh, not with its last result.
    CloseResult = 0;
    CloseResultTemp = 0;
    if (Slide == 5) Slide = platform::Rand(1, 4);
    return CalcOffset();
}

int TDialog::SetupCaption(const platform::ImageFontRef& font, const TColorRef& color,
                          const TShadowRef& shadow, const TBitmapFontRef& bitmapFont) {
    Caption->Init(font, color, shadow, 0, bitmapFont, nullptr, "");
    CalcAll();
    return MenuPosition();
}

int TDialog::SetupTextHeader(const std::string& text, const platform::ImageFontRef& font,
                             const TColorRef& color, const TShadowRef& shadow,
                             const TBitmapFontRef& bitmapFont, int atX, int atY, int centreVertically) {
    TextHeader = TLabel::CreateSpecial(text, float(atX), float(atY), 1, 0, centreVertically);
    TextHeader->Init(font, color, shadow, 0, bitmapFont, nullptr, "");
    return 0;
}

int TDialog::SetSlide(int slide, int sine) {
    Slide = slide;
    SlideSine = sine;
    if (Slide == 5) Slide = platform::Rand(1, 4);
    if (Slide > 0) {
        if (Caption) Caption->RoundCoords = 0;
        if (TextHeader) TextHeader->RoundCoords = 0;
    }
    return 0;
}

int TDialog::SetTransitions(int inMs, int outMs, float dim, int fade, int slide, int sine) {
    SetSlide(slide, sine);
    if (inMs > 0) {
        TransitionIn = TAnimation::Create(inMs, 0, 0, 0, 0);
        TransitionIn->Start();
        Transitioning = 1;
        CalcOffset();
        if (SlideInSound && Game->Channels) Game->Channels->PlayGameSound(*SlideInSound, nullptr, 1.0f, 0.0f);
    }
    if (outMs > 0) TransitionOut = TAnimation::Create(outMs, 0, 0, 0, 0);
    DimBackground = dim;
    FadeDialog = fade;
    return 0;
}

int TDialog::CalcAll() {
    CalcSize();
    return SetLabelsXY();
}

int TDialog::CalcSize() {
    Caption->CalcWidth();
    Caption->CalcHeight();
    if (Background) {
        platform::SetImageHandle(Background, 0, 0);
        w = platform::ImageWidth(Background);
        h = platform::ImageHeight(Background);
    } else if (FixedWidth == 0) {
        w = int(Caption->W + float(2 * Border));
    }
    if (FixedWidth != 0 && CallPreCalcWordWrap != 0) {
        if (WordWrapWidth > 0 && Caption->W > float(WordWrapWidth))
            Caption->WordWrap = WordWrapWidth;
        else if (WordWrapWidth == 0 && Caption->W + float(2 * Border) > float(w))
            Caption->WordWrap = w - 2 * Border;
        Caption->PreCalcWordWrap();
        Caption->CalcHeight();
    }
    return CalcXY();
}

int TDialog::CalcXY() {
    if (Centre != 0) {
        x = (ScreenWidth - w) / 2;
        y = (ScreenHeight - h) / 2;
    }
    return 0;
}

int TDialog::CalcOffset() {
    OffsetX = OffsetY = 0.0f;
    if (!(Transitioning > 0 && Slide > 0)) return 0;
    float r = 1.0f;
    if (Transitioning == 1 && TransitionIn)
        r = SlideSine != 0 ? 1.0f - TransitionIn->GetRatioInvSine() : TransitionIn->GetRatio();
    else if (Transitioning == 2 && TransitionOut)
        r = SlideSine != 0 ? 1.0f - TransitionOut->GetRatioSine() : TransitionOut->GetRatioInv();
    switch (Slide) {
    case 1:
        OffsetY = r * float(-(y + h + SlideExtra));
        break;
    case 2:
        OffsetX = r * float(ScreenWidth - x + SlideExtra);
        break;
    case 3:
        OffsetY = r * float(ScreenHeight - y + SlideExtra);
        break;
    case 4:
        OffsetX = r * float(-(x + w + SlideExtra));
        break;
    default:
        break;
    }
    return 0;
}

int TDialog::CaptionGetCentredX() {
    return x + w / 2;
}

int TDialog::HeaderLoad(const std::string& file, float atX, float atY) {
    Header = TSprite::Create(TGameImage::Create(Game->ImagePath + file + Ext, -1, 1), atX, atY);
    return 0;
}

int TDialog::SetLabelsXY() {
    if (CaptionOX == 0 && CaptionOY == 0) {
        Caption->X = float(CaptionGetCentredX());
        if (Caption->WordWrap > 0 || CaptionCentreVert != 0)
            Caption->Y = float(y + h / 2) - Caption->H / 2.0f * Caption->Scale;
        else
            Caption->Y = float(y + Border);
    } else {
        Caption->X = float(CaptionOX);
        Caption->Y = float(CaptionOY);
    }
    Caption->X += float(CaptionOffsetX);
    Caption->Y += float(CaptionOffsetY);
    return 0;
}

int TDialog::MenuPosition() {
    if (Menu) Menu->ManageNoSound(OffsetX, OffsetY);
    return 0;
}

void TDialog::FitHeightToMenuRow(int gap) {
    if (Background) return;
    // Summed as floats, then truncated.
    float menuHeight = Menu ? float(Menu->CalcHeight()) : 0.0f;
    h = int(Caption->CalcHeight() + float(gap) + float(2 * Border) + menuHeight);
}

int TDialog::PlaceMenuRow() {
    CalcAll();
    if (!Menu) return 0;
    if (MenuOX == 0 && MenuOY == 0) {
        Menu->SetX(float(MenuGetCentredX()));
        Menu->SetY(float(y + h - Menu->CalcHeight() - Border));
    } else {
        Menu->SetX(float(MenuOX));
        Menu->SetY(float(MenuOY));
    }
    return Menu->ManageNoSound(OffsetX, OffsetY);
}

int TDialog::MenuGetCentredX() {
    return x + (w - Menu->CalcWidth()) / 2;
}

int TDialog::Manage() {
    return ManageCore();
}

int TDialog::ManageCore() {
    if (Active == 0) return 0;
    if (ManageTransitions() == 1) return 1;
    if (Menu) {
        if (Disabled != 0 || Transitioning == 2)
            Menu->ManageFixedGlowOnly();
        else if (Transitioning == 0)
            Menu->Manage(0, 0);
    }
    return 1;
}

int TDialog::ManageTransitions() {
    if (TransitionIn && TransitionIn->Manage() != 0) {
        Transitioning = 0;
        if (FadeDialog != 0) SetAlphas(1.0f);
        if (ActivateSound && Game->Channels)
            FadeChannel = Game->Channels->PlayGameSound(*ActivateSound, nullptr, 1.0f, 0.0f);
        ccFlushAll();
    }
    if (TransitionOut) {
        if (TransitionOut->Manage() != 0) {
            if (FadeDialog != 0) SetAlphas(0.0f);
            Transitioning = 0;
            ccFlushAll();
            Finalise();
            if (FadeChannel) {
                FadeChannel->OriginalVolume = 0.0f;
                platform::SetChannelVolume(FadeChannel->Channel, 0.0f);
            }
            return 1;
        }
        if (Transitioning == 2 && FadeChannel) {
            FadeChannel->OriginalVolume = TransitionOut->GetRatio();
            platform::SetChannelVolume(FadeChannel->Channel,
                                       float(Game->SoundVolume) / 100.0f * FadeChannel->OriginalVolume);
        }
    }
    RoundLabels();
    return CalcOffset();
}

// While a label slides, its coordinate along the slide is not rounded; the other one is.
void TDialog::RoundLabels() {
    int round = 0, roundX = 0, roundY = 0;
    if (Slide <= 0) {
        round = 1;
    } else if (Slide == 1 || Slide == 3) {
        roundX = 1;
        roundY = Transitioning == 0 ? 1 : 0;
    } else if (Slide == 2 || Slide == 4) {
        roundX = Transitioning == 0 ? 1 : 0;
        roundY = 1;
    }
    for (const TLabelRef& label : {Caption, TextHeader}) {
        if (!label) continue;
        label->RoundCoords = round;
        label->RoundXCoord = roundX;
        label->RoundYCoord = roundY;
    }
}

int TDialog::SetAlphas(float alpha) {
    if (Header) Header->Alpha = alpha;
    if (Menu) Menu->SetAlpha(alpha);
    if (Caption) Caption->Alpha = alpha;
    if (TextHeader) TextHeader->Alpha = alpha;
    return 0;
}

int TDialog::SetWordWrap(int width) {
    FixedWidth = 1;
    WordWrapWidth = width;
    return 0;
}

int TDialog::Close(int result) {
    CloseResultTemp = result;
    if (!TransitionOut) {
        Finalise();
        return CloseResultTemp;
    }
    TransitionOut->Start();
    Transitioning = 2;
    if (SlideOutSound && Game->Channels) Game->Channels->PlayGameSound(*SlideOutSound, nullptr, 1.0f, 0.0f);
    return 0;
}

int TDialog::Finalise() {
    Active = 0;
    if (ReenableEscapeKey != 0) Game->IgnoreEscapeKey = OldIgnoreEscapeKey;
    CloseResult = CloseResultTemp;
    return 0;
}

int TDialog::Kill() {
    // A dialog dropped while open gives Escape back like a closed one.
    if (Active == 1) Finalise();
    if (Caption) Caption->Kill();
    Background = nullptr;
    Shadow = nullptr;
    DialogColor = nullptr;
    if (Menu) {
        Menu->Kill();
        Menu = nullptr;
    }
    Picture = nullptr;
    Picture2 = nullptr;
    ActivateSound = nullptr;
    SlideInSound = nullptr;
    SlideOutSound = nullptr;
    return 0;
}
