// The room on a disk as the file system tells it: a folder that is there, and folders not
// made yet, measured where they will be made, on a small disk of known size inside a larger
// one.

#include "platform/FreeSpace.h"
#include "support/SmallDisk.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(FreeSpace, AFolderNotMadeYetIsMeasuredWhereItWillBeMade)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    constexpr std::uint64_t size = 4u << 20;
    SmallDisk disk(dir.filePath(QStringLiteral("disk")), size);
    if (!disk.Failure().isEmpty())
        GTEST_SKIP() << disk.Failure().toStdString();
    ASSERT_TRUE(QDir().mkpath(disk.Path(QStringLiteral("made"))));
    QFile filler(disk.Path(QStringLiteral("made/filler")));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    ASSERT_EQ(filler.write(QByteArray(1 << 20, 'x')), 1 << 20);
    filler.close();
    const std::uint64_t left = size - (1u << 20);
    for (const QString& name : {QStringLiteral("made"), QStringLiteral("missing"), QStringLiteral("made/missing/deeper"),
                                QStringLiteral("made/../missing/./x"), QStringLiteral("made/filler/x")}) {
        SCOPED_TRACE(name.toStdString());
        // The directory made takes a little of the disk.
        const std::optional<std::uint64_t> free = platform::FreeBytes(disk.Path(name));
        ASSERT_TRUE(free.has_value());
        EXPECT_LE(*free, left);
        EXPECT_GE(*free, left - 64 * 1024);
    }
    // A relative name is measured from the working folder.
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(disk.Path(QStringLiteral("made"))));
    const std::optional<std::uint64_t> relative = platform::FreeBytes(QStringLiteral("missing/take"));
    QDir::setCurrent(before);
    EXPECT_EQ(relative, platform::FreeBytes(disk.Path(QStringLiteral("made"))));
    // Outside it, the larger disk's room.
    EXPECT_NE(platform::FreeBytes(dir.filePath(QStringLiteral("missing"))), platform::FreeBytes(disk.Path(QString())));
}
