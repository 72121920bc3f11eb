#include "update/ProgramInstall.h"
#include "update/UpdateFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace talix::update {
namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Sticks {
    QTemporaryDir dir;
    DriveMap drives;
    Sticks() {
        for (const char* d : {"C", "D", "E"}) {
            QDir(dir.path()).mkdir(d);
            drives.set(QChar(d[0]), dir.filePath(d));
        }
    }
    QString on(char drive, const char* name) const {
        return dir.filePath(QString(QChar(drive)) + "/" + name);
    }
};

TEST(UpdateFiles, EachTargetFindsItsPatternOnDBeforeE) {
    Sticks s;
    writeFile(s.on('D', "TALIX5.QFM"), "fw");
    writeFile(s.on('E', "TALIX6.QFM"), "fw");
    writeFile(s.on('E', "talix2.bin"), "wifi"); // sticks are FAT: the case does not matter
    writeFile(s.on('D', "OTHER.EXE"), "x");
    writeFile(s.on('D', "TALIX.TXT"), "x");

    const auto firmware = findUpdateFile(s.drives, UpdateTarget::Firmware);
    ASSERT_TRUE(firmware);
    EXPECT_EQ(firmware->name, "TALIX5.QFM");
    EXPECT_EQ(firmware->sourcePath, "D:\\TALIX5.QFM");
    EXPECT_EQ(firmware->hostPath, s.on('D', "TALIX5.QFM"));

    const auto wifi = findUpdateFile(s.drives, UpdateTarget::WiFi);
    ASSERT_TRUE(wifi);
    EXPECT_EQ(wifi->sourcePath, "E:\\talix2.bin");

    EXPECT_FALSE(findUpdateFile(s.drives, UpdateTarget::UserInterface));
}

TEST(UpdateFiles, NoStickNoFile) {
    DriveMap none;
    EXPECT_FALSE(findUpdateFile(none, UpdateTarget::Firmware));
}

TEST(ProgramInstall, AProgramOnEOnlyIsCopiedAndTheStartScriptNamesIt) {
    Sticks s;
    writeFile(s.on('E', "TALIX7.EXE"), "#!/bin/sh\necho seven\n");
    writeFile(s.on('C', "TALIX/Start.bat"), "start C:\\TALIX\\TALIX6.EXE\r\nexplorer\r\n");
    const auto found = findUpdateFile(s.drives, UpdateTarget::UserInterface);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->sourcePath, "E:\\TALIX7.EXE");

    ASSERT_TRUE(installProgram(s.drives, found->hostPath, found->name));
    const QString installed = s.on('C', "TALIX/TALIX7.EXE");
    EXPECT_EQ(readFile(installed), "#!/bin/sh\necho seven\n");
    EXPECT_TRUE(QFileInfo(installed).isExecutable());
    EXPECT_EQ(readFile(s.on('C', "TALIX/Start.bat")),
              "start C:\\TALIX\\TALIX7.EXE\r\nexplorer\r\n");
    // Nothing half-written is left beside them.
    EXPECT_EQ(QDir(s.on('C', "TALIX")).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"Start.bat", "TALIX7.EXE"}));
}

TEST(ProgramInstall, AFailedCopyLeavesTheStartScriptAsItWas) {
    Sticks s;
    const QByteArray before = "start C:\\TALIX\\TALIX6.EXE\r\nexplorer\r\n";
    writeFile(s.on('C', "TALIX/Start.bat"), before);
    EXPECT_FALSE(installProgram(s.drives, s.on('E', "TALIX8.EXE"), "TALIX8.EXE")); // gone
    EXPECT_EQ(readFile(s.on('C', "TALIX/Start.bat")), before);

    writeFile(s.on('E', "TALIX8.EXE"), "new");
    QDir().mkpath(s.on('C', "TALIX/TALIX8.EXE")); // in the way: the copy cannot take its place
    EXPECT_FALSE(installProgram(s.drives, s.on('E', "TALIX8.EXE"), "TALIX8.EXE"));
    EXPECT_EQ(readFile(s.on('C', "TALIX/Start.bat")), before);
    EXPECT_FALSE(QFileInfo::exists(s.on('C', "TALIX/.TALIX8.EXE.part")));
}

} // namespace
} // namespace talix::update
