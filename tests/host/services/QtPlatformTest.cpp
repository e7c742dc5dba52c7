// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/Errors.h"
#include "core/ProgramFolder.h"
#include "fakes/FakePlatform.h"
#include "host/services/FailureLog.h"
#include "host/services/ImagePrinting.h"
#include "host/services/QtPlatform.h"
#include "host/services/SaveFileDialog.h"
#include "host/services/ScreenCapture.h"

namespace xuehai {
namespace {

// Runs inspect on the next modal dialog of that type, from inside its modal loop, unless
// scope is gone by then; inspect must close it.
template <typename Dialog>
void WhenModalOpens(QObject& scope, std::function<void(Dialog&)> inspect) {
    auto* poll = new QTimer(&scope);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, inspect] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            inspect(*dialog);
        }
    });
    poll->start(10);
}

struct ShownBox {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    int buttons = 0;
    QString detail;
    int pointSize = 0;
};

ShownBox ShowAndRead(const std::function<void()>& show) {
    ShownBox seen;
    QObject scope;
    WhenModalOpens<QMessageBox>(scope, [&](QMessageBox& box) {
        seen = {box.icon(),
                box.windowTitle(),
                box.text(),
                box.textFormat(),
                int(box.buttons().size()),
                box.detailedText(),
                box.font().pointSize()};
        box.button(QMessageBox::Ok)->click();
    });
    show();
    return seen;
}

class ErrorBoxes : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        SetProgramFolder(folder.path().toStdString());
    }
    void TearDown() override {
        SetProgramFolder(QCoreApplication::applicationDirPath().toStdString());
    }

    // The box as the event boundary shows it: from inside the handler of the failure.
    template <typename Failure>
    ShownBox Fail(const Failure& failure) {
        return ShowAndRead([&] {
            try {
                throw failure;
            } catch (const std::exception& e) {
                platform.ShowError(e.what());
            }
        });
    }

    QString Log() const {
        QFile log(folder.filePath(QString::fromUtf8(kFailureLogName)));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }

    QTemporaryDir folder;
    QtPlatform platform;
};

TEST_F(ErrorBoxes, SayInPlainWordsWhatHappenedAndKeepTheEngineMessageBehindDetails) {
    const std::string engine =
        "database is locked (statement: INSERT INTO [User-Question] VALUES(1); file 'a<b>.dat')";
    ShownBox box = Fail(DatabaseError(engine, FailureKind::Locked));
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.title, QString::fromUtf8("学海"));
    EXPECT_EQ(box.format, Qt::PlainText);
    EXPECT_TRUE(box.text.contains(QString::fromUtf8("另一个程序正在使用")))
        << box.text.toStdString();
    EXPECT_FALSE(box.text.contains(QStringLiteral("INSERT")));
    EXPECT_TRUE(box.detail.startsWith(QString::fromStdString(engine)));
    // One OK, and the button that opens the details.
    EXPECT_EQ(box.buttons, 2);
    EXPECT_GE(box.pointSize, 14) << "a child reads the box easily";
    EXPECT_TRUE(Log().contains(QString::fromStdString(engine)));
}

TEST_F(ErrorBoxes, NameTheCauseAPlayerCanActOn) {
    EXPECT_TRUE(Fail(DatabaseError("x", FailureKind::ReadOnly))
                    .text.contains(QString::fromUtf8("游戏文件夹不能写入")));
    EXPECT_TRUE(
        Fail(DatabaseError("x", FailureKind::Missing)).text.contains(QString::fromUtf8("找不到")));
    EXPECT_TRUE(
        Fail(DatabaseError("x", FailureKind::Damaged)).text.contains(QString::fromUtf8("坏了")));
    // Music that cannot play is told apart from the rest: the game goes on without it.
    EXPECT_TRUE(Fail(MediaError("no decoder")).text.contains(QString::fromUtf8("音乐")));
    const ShownBox unknown = Fail(Error("An unexpected error stopped the command"));
    EXPECT_TRUE(unknown.text.contains(QString::fromUtf8(kFailureLogName)));
    EXPECT_FALSE(unknown.text.contains(QStringLiteral("unexpected")));
}

TEST_F(ErrorBoxes, KeepTheWordsACommandChoseForItsPlayer) {
    const ShownBox box = Fail(RecordsLockedError(
        "这道题的答案没有记下来：请关掉那个程序。\n\ndatabase is locked (statement: UPDATE x)",
        FailureKind::Locked));
    EXPECT_EQ(box.text, QString::fromUtf8("这道题的答案没有记下来：请关掉那个程序。"));
    EXPECT_TRUE(box.detail.startsWith(QStringLiteral("database is locked (statement: UPDATE x)")));
    // An engine message with an empty line of its own is no player's text.
    EXPECT_TRUE(Fail(DatabaseError("near \"x\"\n\nsyntax error", FailureKind::Unknown))
                    .text.contains(QString::fromUtf8("出了一点问题")));
}

TEST_F(ErrorBoxes, WithoutAFailureAtHandStillSpeakPlainly) {
    ShownBox box = ShowAndRead([&] { platform.ShowError("The file 'a<b>.dat' is missing"); });
    EXPECT_FALSE(box.text.contains(QStringLiteral("a<b>.dat")));
    EXPECT_TRUE(box.detail.contains(QStringLiteral("The file 'a<b>.dat' is missing")));
}

TEST(MessageBoxes, AMessageIsPlainWithOneOk) {
    QtPlatform platform;
    ShownBox box = ShowAndRead([&] { platform.ShowMessage("请输入用户名"); });
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.title, QString::fromUtf8("学海"));
    EXPECT_EQ(box.text, QString::fromUtf8("请输入用户名"));
    EXPECT_EQ(box.buttons, 1);
}

TEST(Screen, IsThePrimaryScreenOrEightHundredBySixHundredInAWindow) {
    EXPECT_EQ(QtPlatform().ScreenSize(), QSize(1024, 768));
    EXPECT_EQ(QtPlatform({.window = true}).ScreenSize(), QSize(800, 600));
}

TEST(Screen, DisplayModesAreNotAvailableOffscreenOrInAWindow) {
    QtPlatform fullScreen;
    QtPlatform window({.window = true});
    for (Platform* platform : std::initializer_list<Platform*>{&fullScreen, &window}) {
        EXPECT_FALSE(platform->SetDisplayMode(800, 600, 75));
        EXPECT_FALSE(platform->CurrentDisplayMode().has_value());
    }
}

class Capture : public testing::Test {
protected:
    void SetUp() override {
        window.setWindowFlags(Qt::FramelessWindowHint);
        window.setGeometry(100, 50, 200, 100);
        window.setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, Qt::red);
        window.setPalette(palette);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWidget window;
};

TEST_F(Capture, GrabsTheScreenRectangle) {
    QtPlatform platform;
    QImage image = platform.CaptureScreen(QRect(120, 60, 50, 40));
    ASSERT_EQ(image.size(), QSize(50, 40));
    EXPECT_EQ(image.pixelColor(25, 20), QColor(Qt::red));
}

TEST_F(Capture, FallsBackToTheWindowWhereTheScreenCannotBeGrabbed) {
    fakes::FakePlatform platform;
    QImage image = CaptureScreenOrWindow(platform, QRect(100, 50, 200, 100), window);
    EXPECT_EQ(platform.Log(), std::vector<std::string>{"CaptureScreen(100, 50, 200, 100)"});
    ASSERT_EQ(image.size(), QSize(200, 100));
    EXPECT_EQ(image.pixelColor(199, 99), QColor(Qt::red));
}

TEST(Printing, ScalesByPageDpiOverSourceDpiFromTheTopLeft) {
    EXPECT_EQ(PrintedImageRect(QSize(800, 600), 96, 600, 1200), QRect(0, 0, 5000, 7500));
    EXPECT_EQ(PrintedImageRect(QSize(794, 547), 96, 300, 300), QRect(0, 0, 2481, 1709));
}

TEST(Printing, APictureOfScaledScreensPrintsAtTheScreensSize) {
    // The report grabbed where the game's 800 x 600 picture is shown 1.8 times as large.
    QImage report(1429, 985, QImage::Format_RGB32);
    report.setDevicePixelRatio(1.8);
    EXPECT_EQ(PrintedImageRect(report, 96, 300, 300), QRect(0, 0, 2481, 1709));
    QImage plain(794, 547, QImage::Format_RGB32);
    EXPECT_EQ(PrintedImageRect(plain, 96, 300, 300), QRect(0, 0, 2481, 1709));
}

TEST(Printing, PrintsOnePage) {
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QImage image(794, 547, QImage::Format_RGB32);
    image.fill(Qt::blue);
    PrintImageOn(printer, image, 96);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.contains("/Count 1")) << "not a one-page document";
    EXPECT_THROW(PrintImageOn(printer, image, 0), Error);
}

TEST(Printing, WithoutAPrinterIsAClearError) {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "this machine has a default printer";
    }
    try {
        QtPlatform().PrintImage(QImage(10, 10, QImage::Format_RGB32), 96);
        ADD_FAILURE() << "printing without a printer succeeded";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("printer"), std::string::npos) << e.what();
    }
}

TEST(SaveDialog, FilterPairsBecomeQtFilters) {
    EXPECT_EQ(SaveDialogNameFilters(QStringLiteral("Bitmaps (*.bmp)|*.bmp")),
              QStringList{QStringLiteral("Bitmaps (*.bmp)")});
    EXPECT_EQ(
        SaveDialogNameFilters(QStringLiteral("Bitmaps|*.bmp|Pictures|*.bmp;*.png")),
        (QStringList{QStringLiteral("Bitmaps (*.bmp)"), QStringLiteral("Pictures (*.bmp *.png)")}));
    EXPECT_EQ(SaveDialogNameFilters(QStringLiteral("Bitmaps (*.bmp)")),
              QStringList{QStringLiteral("Bitmaps (*.bmp)")});
}

// A home folder of the test's own, with the desktop's folder settings in it, for as long as
// the test runs.
class OwnHome : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        oldHome = qgetenv("HOME");
        oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    }
    void TearDown() override {
        qputenv("HOME", oldHome);
        oldConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldConfig);
    }
    QString MakeFolder(const QString& relative) {
        EXPECT_TRUE(QDir(home.path()).mkpath(relative));
        return home.filePath(relative);
    }
    void NamePicturesFolder(const QByteArray& line) {
        MakeFolder(QStringLiteral(".config"));
        QFile dirs(home.filePath(QStringLiteral(".config/user-dirs.dirs")));
        ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
        dirs.write("# written by the desktop\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n" + line + "\n");
    }

    QTemporaryDir home;
    QByteArray oldHome;
    QByteArray oldConfig;
};

TEST_F(OwnHome, TheSaveDialogStartsInThePicturesFolder) {
    const QString name = QString::fromUtf8("小明-2026-12-09.bmp");
    // No pictures folder yet: the home folder.
    EXPECT_EQ(SaveDialogStartPath(name), home.filePath(name));
    EXPECT_EQ(QDir(SaveDialogStartPath(QString())), QDir(home.path()));

    MakeFolder(QStringLiteral("Pictures"));
    EXPECT_EQ(SaveDialogStartPath(name), home.filePath(QStringLiteral("Pictures/") + name));

    // The folder the desktop names, once it is there.
    NamePicturesFolder(QByteArray("XDG_PICTURES_DIR=\"$HOME/") + "图片" + "\"");
    EXPECT_EQ(SaveDialogStartPath(name), home.filePath(name));
    MakeFolder(QString::fromUtf8("图片"));
    EXPECT_EQ(SaveDialogStartPath(name), home.filePath(QString::fromUtf8("图片/") + name));
}

class SaveDialogAnswers : public OwnHome {
protected:
    void SetUp() override {
        OwnHome::SetUp();
        ASSERT_TRUE(folder.isValid());
    }

    // typed: what the player types over the offered name; null to keep it.
    std::optional<QString> Ask(const QString& typed, bool accept) {
        QObject scope;
        WhenModalOpens<QFileDialog>(scope, [&](QFileDialog& dialog) {
            seenTitle = dialog.windowTitle();
            seenSuffix = dialog.defaultSuffix();
            seenFilters = dialog.nameFilters();
            seenFolder = dialog.directory().absolutePath();
            auto* nameBox = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            seenName = nameBox->text();
            // An overwrite question is a box of its own, answered here so a failure cannot hang.
            WhenModalOpens<QMessageBox>(scope, [&](QMessageBox& box) {
                askedToOverwrite = true;
                box.button(QMessageBox::Yes)->click();
            });
            // Typed into the name box as a player does; selectFile() of a file that does not
            // exist yet leaves the box empty on some runs, and the dialog then only opens the
            // folder.
            if (!typed.isNull()) {
                dialog.setDirectory(folder.path());
                nameBox->setText(typed);
            }
            QDialog& asDialog = dialog;
            accept ? asDialog.accept() : asDialog.reject();
        });
        return QtPlatform().AskSaveFileName(nullptr, request);
    }

    QTemporaryDir folder;
    SaveDialogRequest request{QString::fromUtf8("另存为BMP位图"),
                              QStringLiteral("Bitmaps (*.bmp)|*.bmp"), QStringLiteral(".bmp"),
                              false};
    QString seenTitle;
    QString seenSuffix;
    QStringList seenFilters;
    QString seenFolder;
    QString seenName;
    bool askedToOverwrite = false;
};

TEST_F(SaveDialogAnswers, OpensOnTheOfferedNameInThePicturesFolder) {
    const QString pictures = MakeFolder(QStringLiteral("Pictures"));
    request.fileName = QString::fromUtf8("小明-2026-12-09.bmp");
    EXPECT_EQ(Ask(QString(), true), pictures + QString::fromUtf8("/小明-2026-12-09.bmp"));
    EXPECT_EQ(seenFolder, pictures);
    EXPECT_EQ(seenName, request.fileName);
}

TEST_F(SaveDialogAnswers, AcceptedNameGetsTheDefaultSuffix) {
    std::optional<QString> name = Ask(QStringLiteral("report"), true);
    EXPECT_EQ(seenTitle, QString::fromUtf8("另存为BMP位图"));
    EXPECT_EQ(seenSuffix, QStringLiteral("bmp"));
    EXPECT_EQ(seenFilters, QStringList{QStringLiteral("Bitmaps (*.bmp)")});
    EXPECT_EQ(name, folder.filePath(QStringLiteral("report.bmp")));
}

TEST_F(SaveDialogAnswers, CancelAnswersNothing) {
    EXPECT_EQ(Ask(QStringLiteral("report"), false), std::nullopt);
}

TEST_F(SaveDialogAnswers, AnExistingFileIsTakenWithoutAsking) {
    QFile existing(folder.filePath(QStringLiteral("old.bmp")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    EXPECT_EQ(Ask(QStringLiteral("old"), true), folder.filePath(QStringLiteral("old.bmp")));
    EXPECT_FALSE(askedToOverwrite);
}

}  // namespace
}  // namespace xuehai
