// Makes the seed corpora of the fuzz harnesses in the build tree, from the project's
// own test inputs (small levels, pictures and stores made here, the shipped skins the
// build draws) and from ../shared when it is there (real levels and solutions, old
// stores). Nothing of it is kept in the project.
//   lodrin_fuzz_seeds OUT_FOLDER SHARED_FOLDER SKINS_FOLDER

#include "ImportSolution/OldStoreStream.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// How many real levels and solutions go into each corpus.
constexpr std::size_t RealSeeds = 40;

const std::string SmallLevel = "  ####\n###  #\n#.@$ #\n######";

struct Level {
    std::string Rows;     // the board rows, one a line
    std::string Record;   // rows, title and solution as they stand in the file
    std::string Solution; // the Lurd text
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void Write(const fs::path& folder, const std::string& name, const std::string& bytes) {
    fs::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary) << bytes;
}

// The levels of solved.xsb: blocks of rows, each followed by Title and Solution lines.
std::vector<Level> RealLevels(const fs::path& shared) {
    std::vector<Level> levels;
    std::istringstream in(ReadFile(shared / "data" / "solved.xsb"));
    Level current;
    for (std::string line; std::getline(in, line);) {
        if (line.empty()) {
            if (!current.Rows.empty() && levels.size() < RealSeeds) {
                levels.push_back(current);
            }
            current = {};
            continue;
        }
        current.Record += line + "\n";
        if (line.rfind("Solution: ", 0) == 0) {
            current.Solution = line.substr(10);
        } else if (line.rfind("Title: ", 0) != 0) {
            current.Rows += line + "\n";
        }
    }
    return levels;
}

void BoardSeeds(const fs::path& out, const std::vector<Level>& levels) {
    Write(out / "level_text", "small", SmallLevel + "\nTitle: small\nAuthor: me\n");
    Write(out / "level_text", "solution", "ulR\n");
    Write(out / "lurd_moves", "small", "[3, 2]\nulRddL\n");
    Write(out / "level_from_lurd", "small", "ulRdRRuL");
    Write(out / "normalize", "small", std::string(1, '\0') + SmallLevel);
    Write(out / "canonical_level", "small", SmallLevel);
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const std::string name = "real" + std::to_string(i);
        Write(out / "level_text", name, levels[i].Record);
        Write(out / "lurd_moves", name, levels[i].Solution);
        if (levels[i].Solution.size() < 2000) {
            Write(out / "level_from_lurd", name, levels[i].Solution);
        }
        Write(out / "normalize", name, std::string(1, static_cast<char>(i & 1)) + levels[i].Rows);
        Write(out / "canonical_level", name, levels[i].Rows);
    }
}

// A small screenshot-like picture: a grid of squares in a few colours.
QImage LevelPicture() {
    QImage picture(120, 90, QImage::Format_RGB32);
    picture.fill(QColor(40, 40, 40));
    QPainter painter(&picture);
    const QColor colours[] = {Qt::darkRed, Qt::yellow, Qt::darkGreen, Qt::blue};
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 8; ++c) {
            painter.fillRect(c * 15 + 1, r * 15 + 1, 13, 13, colours[(r * 3 + c) % 4]);
        }
    }
    return picture;
}

std::string Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

void PictureSeeds(const fs::path& out, const fs::path& skins) {
    const QImage picture = LevelPicture();
    // The first byte picks the format: 0 JPEG, 1 BMP, 2 PNG.
    Write(out / "picture", "jpeg", '\0' + Encoded(picture, "JPG"));
    Write(out / "picture", "bmp", '\1' + Encoded(picture, "BMP"));
    Write(out / "picture", "bmp-indexed",
          '\1' + Encoded(picture.convertToFormat(QImage::Format_Indexed8), "BMP"));
    Write(out / "picture", "png", '\2' + Encoded(picture, "PNG"));
    Write(out / "picture", "png-alpha",
          '\2' + Encoded(picture.convertToFormat(QImage::Format_ARGB32), "PNG"));
    const QImage skin = picture.scaled(80, 40);
    Write(out / "skin_file", "small", Encoded(skin, "BMP"));
    Write(out / "skin_file", "small-indexed",
          Encoded(skin.convertToFormat(QImage::Format_Indexed8), "BMP"));
    if (fs::is_directory(skins)) {
        for (const auto& entry : fs::directory_iterator(skins)) {
            Write(out / "skin_file", entry.path().filename().string(), ReadFile(entry.path()));
        }
    }
}

void StoreSeeds(const fs::path& out, const fs::path& shared) {
    fs::create_directories(out / "mobile_store");
    const fs::path mobile = out / "mobile_store" / "three-rows";
    fs::remove(mobile);
    SQLite::Database db(mobile.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec("CREATE TABLE G_State (G_ID INTEGER PRIMARY KEY, G_Solution INTEGER, L_thin_XSB "
            "TEXT, G_Ans TEXT, G_Moves INTEGER, G_Pushs INTEGER, G_DateTime TEXT)");
    SQLite::Statement insert(db, "INSERT INTO G_State (G_Solution, L_thin_XSB, G_Ans, G_Moves, "
                                 "G_Pushs, G_DateTime) VALUES (1, ?, ?, 3, 1, "
                                 "'2023-04-05 06:07:08')");
    for (const char* answer : {"ulR", "ulRdl", "ulR"}) {
        insert.bind(1, SmallLevel);
        insert.bind(2, answer);
        insert.exec();
        insert.reset();
    }
    for (const char* name : {"old_store.mdb", "old_store_password.mdb"}) {
        const fs::path fixture = shared / "fixtures" / name;
        if (fs::exists(fixture)) {
            Write(out / "old_store", name, ReadFile(fixture));
        }
    }
    std::string stream(lodrin::StreamTag());
    lodrin::EncodeStreamMessage({lodrin::OldStoreMessageKind::RowCount, 2, {}, {}}, stream);
    lodrin::OldStoreMessage row{lodrin::OldStoreMessageKind::Row, 0, {}, {}};
    row.Record.Row = {-1453389966, 6, 1, 123456789, 3, 1, "ulR", {}, {}};
    row.Record.HasDate = true;
    row.Record.OleDate = 43531.5874884259;
    lodrin::EncodeStreamMessage(row, stream);
    lodrin::EncodeStreamMessage({lodrin::OldStoreMessageKind::CutRow, 0, {}, {}}, stream);
    Write(out / "old_store_stream", "failure",
          stream + "F" + std::string("\x07\0\0\0", 4) + "no page");
    lodrin::EncodeStreamMessage({lodrin::OldStoreMessageKind::End, 0, {}, {}}, stream);
    Write(out / "old_store_stream", "rows", stream);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: lodrin_fuzz_seeds OUT_FOLDER SHARED_FOLDER SKINS_FOLDER\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const fs::path out = argv[1];
    const fs::path shared = argv[2];
    std::vector<Level> levels;
    if (fs::exists(shared / "data" / "solved.xsb")) {
        levels = RealLevels(shared);
    } else {
        std::cout << "no shared data at " << shared << ": the seeds are the project's own\n";
    }
    BoardSeeds(out, levels);
    PictureSeeds(out, argv[3]);
    StoreSeeds(out, shared);
    return 0;
}
