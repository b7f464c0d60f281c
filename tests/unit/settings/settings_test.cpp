// The settings store's document: reading keys, rewriting files byte for byte, value texts and the
// open / create / close sequence.
#include "platform/platform.h"
#include "scratch_dir.h"

#include <bit>
#include <chrono>
#include <clocale>
#include <cstdint>
#include <limits>

using namespace std::string_literals;

namespace {

constexpr float ABSENT = -7.0f; // a default no file in the tables below spells

const std::string BOM = "\xEF\xBB\xBF";

struct ReadCase {
    std::string file;
    std::string key;
    float expected;
};

class Read : public ScratchDir, public testing::WithParamInterface<ReadCase> {};

TEST_P(Read, FindsTheUngroupedKeyAndReadsItsNumber) {
    write_file(PREFS, GetParam().file);
    ASSERT_TRUE(settings_open(PREFS));
    float value = settings_read_float(GetParam().key, ABSENT);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(value), std::bit_cast<std::uint32_t>(GetParam().expected))
        << value << " for «" << GetParam().file << "»";
}

const float INF = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Files, Read,
    testing::Values(
        // key search
        ReadCase{"Diagonale = 15.600000\r\n", "Diagonale", 15.6f},
        ReadCase{"diagonale=17.3\n", "Diagonale", 17.3f},
        ReadCase{"   DIAGONALE   =   17.3   ", "Diagonale", 17.3f},
        ReadCase{"\t Diagonale\t= 2", "Diagonale", 2.0f}, ReadCase{"", "Diagonale", ABSENT},
        ReadCase{BOM, "Diagonale", ABSENT}, ReadCase{"\xEF\xBB", "Diagonale", ABSENT},
        ReadCase{"[Anzeige]\r\nDiagonale = 15\r\n", "Diagonale", ABSENT},
        ReadCase{"X = 1\r\n[Anzeige]\r\nDiagonale = 15\r\n", "Diagonale", ABSENT},
        ReadCase{"Diagonale = 14\r\nDiagonale = 20\r\n", "Diagonale", 14.0f},
        ReadCase{BOM + "Diagonale = 14\r\n", "Diagonale", 14.0f},
        ReadCase{"Farbe\nDiagonale = 14\n", "Diagonale", 14.0f},
        ReadCase{"; Diagonale = 3\r\n  ;x\r\nDiagonale = 4", "Diagonale", 4.0f},
        ReadCase{"[Diagonale]\r\nDiagonale = 4", "Diagonale", ABSENT},
        ReadCase{"Diagonale2 = 3\r\nDiagonal = 2\r\nDiagonale = 4", "Diagonale", 4.0f},
        ReadCase{"\r\r\n\nA = 1\rDiagonale = 4\r\rB = 5\r", "Diagonale", 4.0f},
        ReadCase{"A\0B = 1\nDiagonale\0 = 2\nDiagonale = 3\n"s, "Diagonale", 3.0f},
        ReadCase{"= 5\n", "", 5.0f}, ReadCase{"Diagonale = 1 = 2", "Diagonale", 1.0f},
        // names outside ASCII: compared as bytes, converted to UTF-8 for a UTF-8 file only
        ReadCase{BOM + "Gr\xC3\xB6\xC3\x9F"
                       "e = 9",
                 "Gr\xF6\xDF"
                 "e",
                 9.0f},
        ReadCase{BOM + "Gr\xF6\xDF"
                       "e = 9",
                 "Gr\xF6\xDF"
                 "e",
                 ABSENT},
        ReadCase{"Gr\xF6\xDF"
                 "e = 9",
                 "Gr\xF6\xDF"
                 "e",
                 9.0f},
        ReadCase{"Gr\xC3\xB6\xC3\x9F"
                 "e = 9",
                 "Gr\xF6\xDF"
                 "e",
                 ABSENT},
        ReadCase{"\xD6 = 9", "\xF6", ABSENT},
        // a present key reads its number, 0 when there is none
        ReadCase{"Diagonale = 15,6", "Diagonale", 15.0f}, ReadCase{"Diagonale = abc", "Diagonale", 0.0f},
        ReadCase{"Diagonale", "Diagonale", 0.0f}, ReadCase{"Diagonale =", "Diagonale", 0.0f},
        ReadCase{"Diagonale = +1.5e1", "Diagonale", 15.0f}, ReadCase{"Diagonale = -2.5", "Diagonale", -2.5f},
        ReadCase{"Diagonale = -0", "Diagonale", -0.0f}, ReadCase{"Diagonale = .5", "Diagonale", 0.5f},
        ReadCase{"Diagonale = 5.", "Diagonale", 5.0f}, ReadCase{"Diagonale = 25E-1x", "Diagonale", 2.5f},
        ReadCase{"Diagonale = 1e", "Diagonale", 1.0f}, ReadCase{"Diagonale = 1e+", "Diagonale", 1.0f},
        ReadCase{"Diagonale = 1.2.3", "Diagonale", 1.2f}, ReadCase{"Diagonale = \v\f 3", "Diagonale", 3.0f},
        ReadCase{"Diagonale = - 5", "Diagonale", 0.0f}, ReadCase{"Diagonale = --5", "Diagonale", 0.0f},
        ReadCase{"Diagonale = +-5", "Diagonale", 0.0f}, ReadCase{"Diagonale = .", "Diagonale", 0.0f},
        ReadCase{"Diagonale = 0.0078125", "Diagonale", 0.0078125f},
        ReadCase{"Diagonale = 1.00000001", "Diagonale", 1.0f},
        ReadCase{"Diagonale = 1e400", "Diagonale", INF}, ReadCase{"Diagonale = -1e400", "Diagonale", -INF},
        ReadCase{"Diagonale = 1e-400", "Diagonale", 0.0f},
        ReadCase{"Diagonale = -0.000001e-400", "Diagonale", -0.0f},
        ReadCase{"Diagonale = 1e39", "Diagonale", INF},
        ReadCase{"Diagonale = 0.001e+99999999999999999999", "Diagonale", INF}));

// Rewrites the way the diagonal command does, with the key and value of the case.
struct RewriteCase {
    std::optional<std::string> before;
    std::string key;
    float value;
    std::string after;
};

class Rewrite : public ScratchDir, public testing::WithParamInterface<RewriteCase> {};

TEST_P(Rewrite, KeepsEveryEntryAndWritesTheExactBytes) {
    const RewriteCase& c = GetParam();
    if (c.before) write_file(PREFS, *c.before);
    if (!settings_open(PREFS)) settings_create(PREFS);
    settings_write_float(c.key, c.value);
    settings_close();
    EXPECT_EQ(file_bytes(PREFS), c.after);
}

const std::string LINE = "Diagonale = 15.600000\r\n";

INSTANTIATE_TEST_SUITE_P(
    Files, Rewrite,
    testing::Values(
        RewriteCase{std::nullopt, "Diagonale", 15.6f, LINE}, RewriteCase{"", "Diagonale", 15.6f, LINE},
        RewriteCase{"diagonale=17.3\n", "Diagonale", 21.5f, "Diagonale = 21.500000\r\n"},
        RewriteCase{"Diagonale=15.600000\n", "Diagonale", 15.6f, LINE},
        RewriteCase{"[Anzeige]\r\nDiagonale = 15\r\n", "Diagonale", 15.6f,
                    LINE + "[Anzeige]\r\nDiagonale = 15\r\n"},
        RewriteCase{"; Bildschirm\r\n[Anzeige]\r\nX = 1\r\n", "Diagonale", 15.6f,
                    "; Bildschirm\r\n" + LINE + "[Anzeige]\r\nX = 1\r\n"},
        RewriteCase{"A = 1\n[G1]\nB = 2\n[G2]\n", "Diagonale", 15.6f,
                    "A = 1\r\n" + LINE + "[G1]\r\nB = 2\r\n[G2]\r\n"},
        RewriteCase{"Diagonale = 14\r\n\r\nFarbe = rot\r\n", "Diagonale", 15.6f, LINE + "Farbe = rot\r\n"},
        RewriteCase{"Diagonale = 14\r\nDiagonale = 20\r\n", "Diagonale", 15.6f, LINE + "Diagonale = 20\r\n"},
        RewriteCase{BOM + "Diagonale = 14\r\n", "Diagonale", 15.6f, BOM + "\r\n" + LINE},
        RewriteCase{BOM, "Diagonale", 15.6f, BOM + "\r\n" + LINE},
        RewriteCase{"Farbe\nDiagonale = 14\n", "Diagonale", 15.6f, "Farbe = \r\n" + LINE},
        RewriteCase{"X = 1\r\n   \t ", "Diagonale", 15.6f, "X = 1\r\n" + LINE},
        RewriteCase{"A = 1\rB = 2\r", "Diagonale", 15.6f, "A = 1\r\nB = 2\r\n" + LINE},
        RewriteCase{"  Farbe=rot\n;Hinweis\n[Gruppe\n [G]rest\n;\tTab\n;  zwei\n; \n=\n", "Diagonale", 15.6f,
                    "Farbe = rot\r\n; Hinweis\r\n" + LINE +
                        "[Gruppe]\r\n[G]\r\n; \tTab\r\n;  zwei\r\n; \r\n = \r\n"},
        RewriteCase{"X = a  \r\n;c  \r\n\tY\t=\t\tb\t\r\n", "Diagonale", 15.6f,
                    "X = a  \r\n; c  \r\nY = b\t\r\n" + LINE},
        RewriteCase{"A\0B = \0\nDiagonale = 2\n"s, "Diagonale", 15.6f, "A\0B = \0\r\n"s + LINE},
        RewriteCase{"Gr\xF6\xDF"
                    "e = 1\n",
                    "GR\xF6\xDF"
                    "E",
                    2.0f,
                    "GR\xF6\xDF"
                    "E = 2.000000\r\n"},
        RewriteCase{BOM + "X = 1\n",
                    "Gr\xF6\xDF"
                    "e",
                    2.0f,
                    BOM + "\r\nX = 1\r\nGr\xC3\xB6\xC3\x9F"
                          "e = 2.000000\r\n"},
        RewriteCase{BOM + "gr\xC3\xB6\xC3\x9F"
                          "e = 1\n",
                    "Gr\xF6\xDF"
                    "e",
                    2.0f,
                    BOM + "\r\nGr\xC3\xB6\xC3\x9F"
                          "e = 2.000000\r\n"},
        RewriteCase{"Gr\xF6\xDF"
                    "e = 1\n",
                    "Gr\xF6\xDF"
                    "e",
                    2.0f,
                    "Gr\xF6\xDF"
                    "e = 2.000000\r\n"}));

// The value text: "%f" of the float widened to double, exact halves away from zero, at most 39
// characters; beyond that the shortest text that reads back as the same float.
struct TextCase {
    float value;
    std::string text;
};

class ValueText : public ScratchDir, public testing::WithParamInterface<TextCase> {};

TEST_P(ValueText, IsWrittenAndReadBack) {
    const TextCase& c = GetParam();
    ASSERT_TRUE(settings_create(PREFS));
    settings_write_float("Diagonale", c.value);
    settings_close();
    EXPECT_EQ(file_bytes(PREFS), "Diagonale = " + c.text + "\r\n");
    EXPECT_LE(c.text.size(), 39u);
    if (c.text.find('.') == std::string::npos) {
        ASSERT_TRUE(settings_open(PREFS));
        float back = settings_read_float("Diagonale", 0.0f);
        EXPECT_EQ(std::bit_cast<std::uint32_t>(back), std::bit_cast<std::uint32_t>(c.value));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, ValueText,
    testing::Values(TextCase{15.6f, "15.600000"}, TextCase{17.3f, "17.299999"}, TextCase{24.0f, "24.000000"},
                    TextCase{-1.5f, "-1.500000"}, TextCase{0.0f, "0.000000"}, TextCase{-0.0f, "-0.000000"},
                    TextCase{1e-7f, "0.000000"}, TextCase{-1e-7f, "-0.000000"},
                    TextCase{0.0078125f, "0.007813"}, TextCase{-0.0078125f, "-0.007813"},
                    TextCase{-0.0390625f, "-0.039063"}, TextCase{0.99999994f, "1.000000"},
                    TextCase{-9.99999905f, "-9.999999"}, TextCase{999999.9375f, "999999.937500"},
                    TextCase{16777217.0f, "16777216.000000"}, TextCase{1e11f, "99999997952.000000"},
                    TextCase{1e-45f, "0.000000"}, TextCase{1e31f, "9999999848243207295109594873856.000000"},
                    TextCase{-1e31f, "-9999999848243207295109594873856.000000"}, TextCase{1e32f, "1e+32"},
                    TextCase{-1e32f, "-1e+32"}, TextCase{std::numeric_limits<float>::max(), "3.4028235e+38"},
                    TextCase{std::numeric_limits<float>::infinity(), "inf"},
                    TextCase{-std::numeric_limits<float>::infinity(), "-inf"},
                    TextCase{std::numeric_limits<float>::quiet_NaN(), "nan"}));

// Numbers never depend on the regional settings.
TEST_F(ScratchDir, NumbersIgnoreACommaLocale) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr &&
        std::setlocale(LC_ALL, "German_Germany.1252") == nullptr)
        GTEST_SKIP() << "no German locale";
    ASSERT_EQ(*std::localeconv()->decimal_point, ',');
    write_file(PREFS, "Diagonale = 17.5\r\n");
    ASSERT_TRUE(settings_open(PREFS));
    float read = settings_read_float("Diagonale", 0.0f);
    settings_write_float("Diagonale", 15.6f);
    settings_close();
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(read, 17.5f);
    EXPECT_EQ(file_bytes(PREFS), LINE);
}

// ---- The open / create / close sequence -----------------------------------------------------------

using Sequence = ScratchDir;

TEST_F(Sequence, FirstStartWithoutAnAnswerCreatesNoFile) {
    EXPECT_FALSE(settings_open(PREFS));
    EXPECT_EQ(settings_read_float("Diagonale", ABSENT), ABSENT);
    settings_close();
    EXPECT_FALSE(std::filesystem::exists(PREFS));
}

TEST_F(Sequence, AFailedOpenKeepsTheNameForClose) {
    EXPECT_FALSE(settings_open(PREFS));
    settings_write_float("Diagonale", 15.6f);
    EXPECT_EQ(settings_read_float("Diagonale", ABSENT), 15.6f);
    settings_close();
    EXPECT_EQ(file_bytes(PREFS), LINE);
}

TEST_F(Sequence, WithoutADocumentNothingIsWritten) {
    settings_write_float("Diagonale", 1.0f);
    EXPECT_EQ(settings_read_float("Diagonale", ABSENT), ABSENT);
    settings_close();
    EXPECT_FALSE(settings_create("no-such-dir/" + std::string(PREFS)));
    settings_write_float("Diagonale", 1.0f);
    settings_close();
    EXPECT_TRUE(std::filesystem::is_empty("."));
}

TEST_F(Sequence, CreateEmptiesAnExistingFileAndDropsItsByteOrderMark) {
    write_file(PREFS, BOM + "X = 1\r\n");
    ASSERT_TRUE(settings_create(PREFS));
    EXPECT_EQ(file_bytes(PREFS), "");
    EXPECT_EQ(settings_read_float("X", ABSENT), ABSENT);
    settings_close();
    EXPECT_EQ(file_bytes(PREFS), "");
    ASSERT_TRUE(settings_create(PREFS));
    settings_write_float("Diagonale", 15.6f);
    settings_close();
    EXPECT_EQ(file_bytes(PREFS), LINE);
}

TEST_F(Sequence, OpeningAnotherDocumentClosesTheFirst) {
    write_file("a", "A = 1\n");
    write_file("b", "B = 2\n");
    ASSERT_TRUE(settings_open("a"));
    settings_write_float("A", 3.0f);
    ASSERT_TRUE(settings_open("b"));
    EXPECT_EQ(file_bytes("a"), "A = 3.000000\r\n");
    EXPECT_EQ(settings_read_float("A", ABSENT), ABSENT);
    EXPECT_EQ(settings_read_float("B", ABSENT), 2.0f);
    ASSERT_TRUE(settings_create("c"));
    settings_close();
    settings_close();
    EXPECT_EQ(file_bytes("b"), "B = 2\n");
    EXPECT_EQ(settings_read_float("B", ABSENT), ABSENT);
}

// An unchanged document leaves the file alone: its bytes and its modification time.
TEST_F(Sequence, AnUnchangedFileIsNotRewritten) {
    write_file(PREFS, "diagonale=15.6\n\n");
    auto long_ago = std::filesystem::last_write_time(PREFS) - std::chrono::hours(24 * 365);
    std::filesystem::last_write_time(PREFS, long_ago);

    ASSERT_TRUE(settings_open(PREFS));
    EXPECT_EQ(static_cast<double>(settings_read_float("Diagonale", 0.0f)), 15.600000381469727);
    settings_close();

    EXPECT_EQ(file_bytes(PREFS), "diagonale=15.6\n\n");
    EXPECT_EQ(std::filesystem::last_write_time(PREFS), long_ago);
}

const std::string HELD = "; von Hand\r\nDiagonale = 14\r\n";

// While one handle holds the file, another may read it but neither write, create nor empty it; the
// store then falls back to reading only and loses its change.
TEST_F(Sequence, AHeldFileCanBeReadButNotWritten) {
    for (FileAccess held_as : {FileAccess::READ_WRITE, FileAccess::READ_ONLY}) {
        write_file(PREFS, HELD);
        FileHandle held = file_open(PREFS, held_as);
        ASSERT_NE(held, 0);
        ASSERT_TRUE(settings_open(PREFS));
        EXPECT_EQ(settings_read_float("Diagonale", 0.0f), 14.0f);
        settings_write_float("Diagonale", 15.6f);
        settings_close();
        EXPECT_EQ(file_bytes(PREFS), HELD);
        EXPECT_EQ(file_create(PREFS), 0);
        EXPECT_EQ(file_bytes(PREFS), HELD);
        file_close(held);
    }
    change_diagonal(15.6f);
    EXPECT_EQ(file_bytes(PREFS), "; von Hand\r\nDiagonale = 15.600000\r\n");
}

// ---- Large and odd content ----------------------------------------------------------------------

using LargeFile = ScratchDir;

TEST_F(LargeFile, TenMegabytesOfLinesSurviveARewrite) {
    std::string before;
    std::string after;
    for (int i = 0; before.size() < 10'000'000; ++i) {
        std::string key = "K" + std::to_string(i) + " = " + std::to_string(i);
        before += key + "\n";
        after += key + "\r\n";
    }
    write_file(PREFS, before);
    change_diagonal(15.6f);
    EXPECT_TRUE(file_bytes(PREFS) == after + "Diagonale = 15.600000\r\n");
}

TEST_F(LargeFile, OneEndlessLineIsOneKey) {
    std::string line(10'000'000, 'a');
    line[5'000'000] = '\0';
    write_file(PREFS, line);
    ASSERT_TRUE(settings_open(PREFS));
    EXPECT_EQ(settings_read_float(line, 1.0f), 0.0f);
    settings_write_float("Diagonale", 15.6f);
    settings_close();
    EXPECT_TRUE(file_bytes(PREFS) == line + " = \r\nDiagonale = 15.600000\r\n");
}

} // namespace
