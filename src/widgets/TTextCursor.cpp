#include "widgets/TTextCursor.h"

#include "framework/cc_draw.h"

int TTextCursor::Init(int atX, int atY, int gap) {
    x = atX;
    y = atY;
    linegap = gap;
    return 0;
}

int TTextCursor::NewLine() {
    y += linegap;
    return 0;
}

int TTextCursor::Output(const std::string& text) {
    ccDrawText(text, float(x), float(y), Shadow, 0);
    return 0;
}

int TTextCursor::OutputNL(const std::string& text) {
    Output(text);
    return NewLine();
}
