// Draws the skin bitmaps and writes them, the program icon and the documentation pictures.
//   skingen [--icon] [--docs <docs-dir>] <assets-dir>
// The six BMP files always go to <assets-dir>; --icon adds tastolin.ico and tastolin.png there;
// --docs writes skins.png and calipers.png to <docs-dir>.

#include "tools/bmp_file.h"
#include "tools/doc_sheets.h"
#include "tools/ico_file.h"
#include "tools/icon_art.h"
#include "tools/png_file.h"
#include "tools/skin_art.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Options {
    bool icon = false;
    std::string docs_dir;
    std::string assets_dir;
};

bool parse_options(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--icon") == 0)
            options.icon = true;
        else if (std::strcmp(argv[i], "--docs") == 0 && i + 1 < argc)
            options.docs_dir = argv[++i];
        else if (argv[i][0] != '-' && options.assets_dir.empty())
            options.assets_dir = argv[i];
        else
            return false;
    }
    return !options.assets_dir.empty();
}

bool write_bytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(file.flush());
}

bool write_all(const Options& options) {
    const std::array<Skin, 6> skins = make_skins();
    bool ok = true;
    for (const Skin& skin : skins)
        ok = write_bytes(options.assets_dir + "/" + skin.file_name, bmp_file(skin.image)) && ok;
    if (options.icon) {
        ColourImage icon = draw_icon(skins);
        ok = write_bytes(options.assets_dir + "/tastolin.ico", ico_file(icon)) && ok;
        ok = write_png(options.assets_dir + "/tastolin.png", icon, true) && ok;
    }
    if (!options.docs_dir.empty()) {
        ok = write_png(options.docs_dir + "/skins.png", skins_sheet(skins), false) && ok;
        ok = write_png(options.docs_dir + "/calipers.png", calipers_sheet(skins), false) && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse_options(argc, argv, options)) {
        std::fputs("usage: skingen [--icon] [--docs <docs-dir>] <assets-dir>\n", stderr);
        return 2;
    }
    if (!write_all(options)) {
        std::fputs("skingen: could not write every file\n", stderr);
        return 1;
    }
    return 0;
}
