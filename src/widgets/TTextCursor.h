// A print head for lines of text: each output draws a string at the cursor in the current image
// font and colour, and a new line moves the cursor down by a fixed gap. The debug overlay lists
// its values with one.
#pragma once

#include <string>

class TTextCursor {
public:
    int x = 0, y = 0; // where the next line is drawn, pixels
    int linegap = 20; // pixels per new line
    int Shadow = 0;   // 1: drawn with the current text shadow

    // Shadow keeps its value.
    int Init(int atX, int atY, int gap);
    int NewLine();
    // Draws at the cursor, coordinates not rounded; the cursor stays.
    int Output(const std::string& text);
    int OutputNL(const std::string& text);
};
