#include "frmhtmlwarn.h"
#include "frmsaveinfo.h"
#include "frmstylewiz.h"
#include "qtprompts.h"
#include "stylesfile.h"
#include "tempsettings.h"
#include "zorvinapplication.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QMainWindow>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Runs action on the dialog that becomes modal next, once it is up.
template <typename Dialog> void whenShown(std::function<void(Dialog *)> action)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            action(dialog);
        }
    });
    poll->start();
}

} // namespace

TEST(QtPrompts, KindsButtonsAndAnswers)
{
    EXPECT_EQ(TQtPrompts::iconFor(TMsgKind::Warning), QMessageBox::Warning);
    EXPECT_EQ(TQtPrompts::iconFor(TMsgKind::Error), QMessageBox::Critical);
    EXPECT_EQ(TQtPrompts::iconFor(TMsgKind::Information), QMessageBox::Information);
    EXPECT_EQ(TQtPrompts::iconFor(TMsgKind::Confirmation), QMessageBox::Question);
    EXPECT_EQ(TQtPrompts::buttonsFor(TMsgButtons::YesNoCancel),
              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(TQtPrompts::buttonsFor(TMsgButtons::OkCancel), QMessageBox::Ok | QMessageBox::Cancel);
    // Closing a box without a button answers with its way out.
    EXPECT_EQ(TQtPrompts::resultFor(QMessageBox::NoButton, TMsgButtons::YesNoCancel), TMsgResult::Cancel);
    EXPECT_EQ(TQtPrompts::resultFor(QMessageBox::NoButton, TMsgButtons::YesNo), TMsgResult::No);
    EXPECT_EQ(TQtPrompts::resultFor(QMessageBox::NoButton, TMsgButtons::Ok), TMsgResult::Ok);
    EXPECT_EQ(TQtPrompts::captionFor(QString()), QStringLiteral("Zorvin Express"));
    EXPECT_EQ(TQtPrompts::captionFor(QStringLiteral("Upload")), QStringLiteral("Upload"));
}

TEST(QtPrompts, MessageBoxShowsTheTextAndReturnsTheClickedButton)
{
    TQtPrompts prompts;
    QString shownText;
    QString shownTitle;
    whenShown<QMessageBox>([&](QMessageBox *box) {
        shownText = box->text();
        shownTitle = box->windowTitle();
        QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
    });
    const TMsgResult result = prompts.message(TMsgKind::Confirmation, QStringLiteral("Save changes?\r\nNow"),
                                              TMsgButtons::YesNoCancel, QStringLiteral("Question"));
    EXPECT_EQ(result, TMsgResult::No);
    EXPECT_EQ(shownText, QStringLiteral("Save changes?\nNow"));
    EXPECT_EQ(shownTitle, QStringLiteral("Question"));

    whenShown<QMessageBox>([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(prompts.message(TMsgKind::Warning, QStringLiteral("Go on?"), TMsgButtons::OkCancel),
              TMsgResult::Cancel);

    whenShown<QMessageBox>([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); });
    EXPECT_EQ(prompts.message(TMsgKind::Confirmation, QStringLiteral("Sure?"), TMsgButtons::YesNo),
              TMsgResult::Yes);
}

TEST(QtPrompts, FileDialogsUseTheConvertedFilterAndReportTheChoice)
{
    QTemporaryDir dir;
    TQtPrompts prompts;
    TFileRequest request;
    request.title = QStringLiteral("Save As");
    request.folder = dir.path();
    request.fileName = QStringLiteral("page");
    request.filter =
        QStringLiteral("Zorvin Express Files (*.zve)|*.zve|Zorvin Express Template (*.zvt)|*.zvt");
    request.filterIndex = 1;
    request.defaultSuffix = QStringLiteral("zvt");
    QStringList filters;
    QString selected;
    whenShown<QFileDialog>([&](QFileDialog *dialog) {
        filters = dialog->nameFilters();
        selected = dialog->selectedNameFilter();
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const auto choice = prompts.saveFile(request);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(filters, (QStringList{QStringLiteral("Zorvin Express Files (*.zve)"),
                                    QStringLiteral("Zorvin Express Template (*.zvt)")}));
    EXPECT_EQ(selected, QStringLiteral("Zorvin Express Template (*.zvt)"));
    EXPECT_EQ(choice->filterIndex, 1);
    EXPECT_EQ(choice->path, dir.filePath(QStringLiteral("page.zvt")));

    // Cancelling is no error: simply no choice.
    whenShown<QFileDialog>([](QFileDialog *dialog) { dialog->reject(); });
    EXPECT_FALSE(prompts.openFile(request).has_value());
}

TEST(QtPrompts, TheProgramsOwnDialogsReportTheirAnswersAndStoreNothing)
{
    TempSettings settings;
    TQtPrompts prompts;
    whenShown<TfrmSaveInfo>([](TfrmSaveInfo *dialog) {
        dialog->findChild<QCheckBox *>(QStringLiteral("chkShow"))->setChecked(true);
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnJoy")), Qt::LeftButton);
    });
    TNoticeAnswer answer = prompts.saveInformation();
    EXPECT_EQ(answer.result, TMsgResult::Ok);
    EXPECT_TRUE(answer.dontShowAgain);

    whenShown<TfrmSaveInfo>([](TfrmSaveInfo *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    EXPECT_EQ(prompts.saveInformation().result, TMsgResult::Cancel);

    whenShown<TfrmHTMLWarn>([](TfrmHTMLWarn *dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("butYes")), Qt::LeftButton);
    });
    answer = prompts.htmlChangeAlert();
    EXPECT_EQ(answer.result, TMsgResult::Yes);
    EXPECT_FALSE(answer.dontShowAgain);
    // Whoever asked decides what the answers mean; the dialogs wrote nothing themselves.
    EXPECT_TRUE(TempSettings::general(QStringLiteral("SaveInfo")).isEmpty());
    EXPECT_TRUE(TempSettings::general(QStringLiteral("ShowHTMLWarning")).isEmpty());
}

TEST(QtPrompts, AQuestionIsCentredOverTheMainWindowWhicheverWindowIsActive)
{
    QMainWindow main;
    main.setFixedSize(600, 400);
    main.move(40, 50);
    main.show();
    QMenu menu(&main);
    menu.addAction(QStringLiteral("Exit"));
    TQtPrompts prompts;
    // Regression: the save question on exit was centred over the window from the exit button
    // but on the screen from File > Exit, where the active window is the menu or nothing.
    for (QWidget *active :
         {static_cast<QWidget *>(&main), static_cast<QWidget *>(nullptr), static_cast<QWidget *>(&menu)}) {
        QApplication::setActiveWindow(active);
        QWidget *parent = nullptr;
        QPoint centre;
        whenShown<QMessageBox>([&](QMessageBox *box) {
            parent = box->parentWidget();
            centre = box->geometry().center();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        prompts.message(TMsgKind::Confirmation, QStringLiteral("Save?"), TMsgButtons::YesNoCancel);
        EXPECT_EQ(parent, &main) << (active ? active->metaObject()->className() : "none");
        EXPECT_LE((centre - main.geometry().center()).manhattanLength(), 2);
    }
}

TEST(QtPrompts, TheProgramsOwnNoticesOpenInTheMiddleOfTheScreen)
{
    TempSettings settings;
    TQtPrompts prompts;
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    // A window is placed before its frame is known, so the frame may put it off by a few pixels.
    constexpr int kFrameSlack = 12;
    QPoint centre;
    whenShown<TfrmSaveInfo>([&](TfrmSaveInfo *dialog) {
        centre = dialog->frameGeometry().center();
        dialog->reject();
    });
    prompts.saveInformation();
    EXPECT_LE((centre - screenCentre).manhattanLength(), kFrameSlack);
    whenShown<TfrmHTMLWarn>([&](TfrmHTMLWarn *dialog) {
        centre = dialog->frameGeometry().center();
        dialog->reject();
    });
    prompts.htmlChangeAlert();
    EXPECT_LE((centre - screenCentre).manhattanLength(), kFrameSlack);
}

TEST(QtPrompts, TheStyleWizardWorksOnTheGivenFolders)
{
    TempSettings settings;
    QTemporaryDir program;
    ASSERT_TRUE(QDir().mkpath(program.filePath(QStringLiteral("HTMLFiles"))));
    TStyleChunk ocean;
    ocean.StyleName = "Ocean";
    ASSERT_TRUE(WriteStylesToFile(StylesFilePath(program.path()), {ocean}));
    TQtPrompts prompts;
    int styles = -1;
    whenShown<TfrmStyleWiz>([&styles](TfrmStyleWiz *wizard) {
        styles = wizard->WorkingStyles().count();
        wizard->reject();
    });
    prompts.styleWizard(program.path(), program.filePath(QStringLiteral("HTMLFiles")));
    EXPECT_EQ(styles, 1);
}

TEST(ZorvinApplication, ErrorsEscapingAHandlerAreCaught)
{
    QStringList errors;
    const auto collect = [&](const QString &what) { errors << what; };
    EXPECT_TRUE(TZorvinApplication::deliverGuarded([] { return true; }, collect));
    EXPECT_FALSE(TZorvinApplication::deliverGuarded(
        []() -> bool { throw std::runtime_error("disk on fire"); }, collect));
    EXPECT_FALSE(TZorvinApplication::deliverGuarded([]() -> bool { throw 42; }, collect));
    EXPECT_EQ(errors, (QStringList{QStringLiteral("disk on fire"), QStringLiteral("Unknown error.")}));
}

TEST(ZorvinApplication, CaptionsGetNoProgramNameAppended)
{
    const QString name = QCoreApplication::applicationName();
    const QString organisation = QCoreApplication::organizationName();
    const QString version = QCoreApplication::applicationVersion();
    TZorvinApplication::setIdentity();
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Zorvin Express"));
    EXPECT_EQ(QCoreApplication::organizationName(), QStringLiteral("Pellory"));
    // Regression: a display name of its own made the platform append " - Zorvin Express" to every
    // caption. Without one, the display name simply follows the program's name.
    QCoreApplication::setApplicationName(QStringLiteral("Probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Probe"));
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setOrganizationName(organisation);
    QCoreApplication::setApplicationVersion(version);
}

TEST(ZorvinApplication, DiscardedErrorsAreWrittenToStandardError)
{
    QProcess process;
    process.start(QStringLiteral(THROWINGAPP_PATH), {});
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitStatus(), QProcess::NormalExit);
    // Both errors were caught and the program went on to quit normally.
    EXPECT_EQ(process.exitCode(), 2);
    const QByteArray err = process.readAllStandardError();
    EXPECT_TRUE(err.contains("discarded: disk on fire")) << err.constData();
    EXPECT_TRUE(err.contains("discarded: Unknown error.")) << err.constData();
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
}
