#include "pictures/PictureFile.h"
#include "PictureFixtures.h"
#include "TemporaryFolder.h"
#include "model/ProgramError.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

template <typename Call> std::string FailureOf(Call call)
{
    try {
        call();
    } catch (const ProgramError& failure) {
        return failure.what();
    }
    return "";
}

struct ExtensionRow {
    const char* name;
    const char* fileName;
    const char* failure;
};

class PictureExtension : public testing::TestWithParam<ExtensionRow> {};

TEST_P(PictureExtension, ChoosesJpegOrNamesTheExtension)
{
    EXPECT_EQ(FailureOf([] { RequireJpegExtension(GetParam().fileName); }), GetParam().failure);
}

INSTANTIATE_TEST_SUITE_P(
    PictureFile, PictureExtension,
    testing::Values(ExtensionRow{"Jpg", "схема-1.jpg", ""},
                    ExtensionRow{"JpegInCapitals", "SCHEME.JPEG", ""},
                    ExtensionRow{"MixedCase", "a.JpG", ""},
                    ExtensionRow{"OnlyTheLastDotCounts", "a.png.jpg", ""},
                    ExtensionRow{"Png", "схема-1.png", "Unknown picture file extension (.png)"},
                    ExtensionRow{"AfterTheLastDot", "a.jpg.bak",
                                 "Unknown picture file extension (.bak)"},
                    ExtensionRow{"NoDot", "jpg", "Unknown picture file extension (.)"},
                    ExtensionRow{"Jpe", "a.jpe", "Unknown picture file extension (.jpe)"}),
    [](const auto& info) { return std::string(info.param.name); });

class PictureFileTest : public TemporaryFolder {
protected:
    std::string openFailure(const char* name, const char* reason) const
    {
        return "Cannot open file \"" + workingDirectory() + "/" + name + "\". " + reason;
    }
};

TEST_F(PictureFileTest, ReadsTheWholeFileByItsNameInTheWorkingDirectory)
{
    const Bytes bytes = EncodeJpeg(Filled(40, 30, Qt::red));
    WriteFile(pathOf("схема-1.jpg"), bytes);
    EXPECT_EQ(ReadPictureFile("схема-1.jpg"), bytes);
}

TEST_F(PictureFileTest, WhatCannotBeOpenedIsNamedWithItsFullPathAndTheReason)
{
    ASSERT_TRUE(QDir().mkdir(pathOf("folder.jpg")));
    ASSERT_EQ(::mkfifo(pathOf("pipe.jpg").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", pathOf("device.jpg")));
    WriteFile(pathOf("file.jpg"), {1, 2, 3});
    struct Row {
        const char* name;
        const char* reason;
    };
    for (const Row& row :
         {Row{"нет.jpg", "No such file or directory"}, Row{"folder.jpg", "Is a directory"},
          Row{"pipe.jpg", "Not a regular file"}, Row{"device.jpg", "Not a regular file"},
          Row{"file.jpg/inner.jpg", "Not a directory"}}) {
        EXPECT_EQ(FailureOf([&] { ReadPictureFile(row.name); }), openFailure(row.name, row.reason))
            << row.name;
    }
}

TEST_F(PictureFileTest, AFileWithoutReadPermissionCannotBeOpened)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser reads any file whatever its permissions";
    WriteFile(pathOf("locked.jpg"), {1, 2, 3});
    ASSERT_EQ(::chmod(pathOf("locked.jpg").toLocal8Bit().constData(), 0), 0);
    EXPECT_EQ(FailureOf([] { ReadPictureFile("locked.jpg"); }),
              openFailure("locked.jpg", "Permission denied"));
}

TEST_F(PictureFileTest, FilesUpTo64MiBAreReadAndLargerOnesRefused)
{
    // Files with holes: their size costs no disk.
    for (const auto& [name, size] : {std::pair{"limit.jpg", MaxPictureFileBytes},
                                     std::pair{"over.jpg", MaxPictureFileBytes + 1}}) {
        QFile file(pathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(size));
    }
    EXPECT_EQ(ReadPictureFile("limit.jpg").size(), std::size_t(MaxPictureFileBytes));
    EXPECT_EQ(FailureOf([] { ReadPictureFile("over.jpg"); }),
              openFailure("over.jpg", "File larger than 64 MiB"));
}

} // namespace
