// Text: the cell, transparency, the 270-degree cell, font sizes and Windows-1252 characters.
#include "conformance.h"

#include <string>

namespace {

constexpr int slot = 33;
constexpr Colour grey = 0x808080;
constexpr Colour blue = 0xC08020; // no blend of black and white gives it

// 15 pt -> 20 px and 8 pt -> 11 px character height at 96 dpi.
class Text : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        readout = load_font(41, "Arial", 15, FONT_QUALITY_DEFAULT);
        label = load_font(42, "Arial", 8, FONT_QUALITY_PROOF);
    }
    static void TearDownTestSuite() {
        free_font(41);
        free_font(42);
    }
    void SetUp() override {
        ASSERT_NE(readout, 0u);
        ASSERT_NE(label, 0u);
    }

    // Draws the text on an image of the background colour and returns what changed.
    static PixelBox draw(FontHandle font, const std::string& text, int x, int y, bool transparent,
                         Colour colour = 0x000000, Colour background = grey) {
        make_filled_image(slot, 120, 50, background);
        EXPECT_TRUE(begin_drawing(image_target(slot)));
        set_font(font);
        if (transparent) set_text_transparent();
        draw_text(x, y, text, colour);
        end_drawing();
        return pixels_changed(slot, background);
    }

    // Opaque text paints its whole cell, so its changed pixels are the cell.
    static PixelBox cell_of(FontHandle font, const std::string& text) {
        return draw(font, text, 10, 5, false, 0xFFFFFF, blue);
    }

    static FontHandle readout, label;
};
FontHandle Text::readout = 0;
FontHandle Text::label = 0;

TEST_F(Text, OpaqueTextPaintsItsCellFromTheAnchor) {
    const PixelBox cell = cell_of(readout, "0.123");
    EXPECT_EQ(cell.left, 10);
    EXPECT_EQ(cell.top, 5);
    EXPECT_EQ(cell.count, cell.width() * cell.height()) << "the cell is one solid box";
    EXPECT_EQ(probe_image_pixel(slot, 10, 5), 0x000000u) << "opaque background is black";
    EXPECT_GE(cell.height(), 20) << "line height is at least the character height";
    EXPECT_LE(cell.height(), 28);
}

TEST_F(Text, TransparentTextChangesOnlyGlyphPixelsInsideTheCell) {
    for (FontHandle font : {readout, label}) {
        const PixelBox cell = cell_of(font, "12.5");
        const PixelBox ink = draw(font, "12.5", 10, 5, true, 0xFFFFFF);
        ASSERT_FALSE(ink.empty());
        EXPECT_LT(ink.count, cell.count / 2);
        EXPECT_GE(ink.left, cell.left);
        EXPECT_LE(ink.right, cell.right);
        EXPECT_GT(ink.top, cell.top) << "glyph tops lie below the anchor";
        EXPECT_LE(ink.bottom, cell.bottom);
        // Edge smoothing blends towards the text colour; nothing darker than the background appears.
        const PixelBox darker = pixels_where(slot, [](int, int, Colour c) {
            return channel(c, 0) < 0x80 || channel(c, 1) < 0x80 || channel(c, 2) < 0x80;
        });
        EXPECT_TRUE(darker.empty());
    }
}

TEST_F(Text, DefaultColourIsWhite) {
    make_filled_image(slot, 60, 40, 0x000000);
    ASSERT_TRUE(begin_drawing(image_target(slot)));
    set_font(readout);
    set_text_transparent();
    draw_text(5, 5, "H");
    end_drawing();
    EXPECT_FALSE(pixels_where(slot, [](int, int, Colour c) { return c == 0xFFFFFF; }).empty());
}

TEST_F(Text, CharacterHeightFollowsThePointSize) {
    struct Case {
        FontHandle font;
        int cap_height; // Arial's capitals are 0.716 of the character height
    };
    for (Case c : {Case{readout, 14}, Case{label, 8}}) {
        make_filled_image(slot, 60, 40, 0xFFFFFF);
        ASSERT_TRUE(begin_drawing(image_target(slot)));
        set_font(c.font);
        set_text_transparent();
        draw_text(5, 5, "H", 0x000000);
        end_drawing();
        const PixelBox dark = pixels_where(slot, [](int, int, Colour px) { return channel(px, 1) < 0x80; });
        EXPECT_NEAR(dark.height(), c.cap_height, 1);
    }
}

TEST_F(Text, TextOutsideTheTargetIsClippedAway) {
    EXPECT_TRUE(draw(readout, "88", 130, 10, false).empty());
    EXPECT_TRUE(draw(readout, "88", -60, 10, false).empty());
    const PixelBox partly = draw(readout, "88", -5, -5, false);
    EXPECT_EQ(partly.left, 0);
    EXPECT_EQ(partly.top, 0);
}

TEST_F(Text, RotatedTextAt270FillsOnlyTheTurnedCell) {
    const PixelBox cell = cell_of(label, "12.5");
    const int w = cell.width(), h = cell.height();
    const int x = 40, y = 10;
    make_filled_image(slot, 80, 80, grey);
    ASSERT_TRUE(begin_drawing(image_target(slot)));
    set_font(label);
    draw_text_rotated(x, y, "12.5", 270.0f, 0x000000); // opaque mode: rotated text has no background
    end_drawing();
    const PixelBox ink = pixels_changed(slot, grey);
    ASSERT_FALSE(ink.empty());
    EXPECT_LT(ink.count, w * h / 2);
    EXPECT_GE(ink.left, x - h);
    EXPECT_LE(ink.right, x - 1);
    EXPECT_GE(ink.top, y);
    EXPECT_LE(ink.bottom, y + w - 1);
    EXPECT_LT(ink.right, x - 1) << "the glyph tops face right, below the cell's top edge";
    EXPECT_GT(ink.left, x - h) << "digits leave the descent, the cell's left columns, empty";
}

TEST_F(Text, ReadsWindows1252Characters) {
    const PixelBox euro = cell_of(readout, "\x80");
    const PixelBox zero = cell_of(readout, "0");
    EXPECT_NEAR(euro.width(), zero.width(), 1) << "the euro sign (0x80) is as wide as a digit";
    const PixelBox a = cell_of(readout, "a");
    const PixelBox a_umlaut_cell = cell_of(readout, "\xE4");
    EXPECT_NEAR(a_umlaut_cell.width(), a.width(), 1);
    const PixelBox a_ink = draw(readout, "a", 10, 5, true);
    const PixelBox umlaut_ink = draw(readout, "\xE4", 10, 5, true);
    EXPECT_LT(umlaut_ink.top, a_ink.top) << "the diaeresis stands above the a";
}

} // namespace
