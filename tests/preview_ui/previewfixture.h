#pragma once

// A main window with a page of blocks, taken to the preview stage, and the controls of the
// preview stage found by name.

#include "frmmain.h"
#include "htmlsourcebox.h"
#include "mainwindowfixture.h"
#include "page.h"
#include "previewpanel.h"
#include "previewviewer.h"
#include "stylesfile.h"

#include <QApplication>
#include <QListWidget>
#include <QTimer>

#include <functional>

class PreviewFixture : public MainWindowFixture {
public:
    // Two styles in the program folder's "Styles.data".
    void writeStyles(const TStyleList &styles) const
    {
        ASSERT_TRUE(WriteStylesToFile(StylesFilePath(home), styles));
    }
    static TStyleChunk style(const char *name, TColour back)
    {
        TStyleChunk chunk;
        chunk.StyleName = name;
        chunk.BackColour = back;
        return chunk;
    }

    // A page of a paragraph and a centred link, generated when the preview is entered.
    void addBlocks() const
    {
        TWebChunk para = NewWebChunk(bkPara);
        para.Para()->Text = "Hello there";
        TWebChunk link = NewWebChunk(bkLink);
        link.Link()->URL = "http://example.com/";
        link.Link()->LinkText = "Centre me";
        link.Link()->Align = baCenter;
        window->page().WebChunks = {para, link};
    }

    void toStage(TStage stage) const { clickToolbar(int(stage) * 140 + 10); }

    TPreviewPanel *panel() const { return find<TPreviewPanel>("pnlView"); }
    THTMLSourceBox *memHTML() const { return find<THTMLSourceBox>("memHTML"); }
    TPreviewViewer *viewer() const { return find<TPreviewViewer>("ctlHTML"); }
    QListWidget *styles() const { return find<QListWidget>("lstStyles"); }

    // A mouse click on the style list's entry row.
    void clickStyle(int row) const
    {
        QTest::mouseClick(styles()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          styles()->visualItemRect(styles()->item(row)).center());
    }

    // Runs action on the next modal dialog as soon as it is shown.
    static void whenModal(std::function<void(QWidget *)> action)
    {
        auto *timer = new QTimer;
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, [timer, action] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            timer->stop();
            timer->deleteLater();
            action(dialog);
        });
        timer->start();
    }

    // Types text at the end of the HTML tab's first line.
    void typeIntoHTML(const QString &text) const
    {
        THTMLSourceBox *box = memHTML();
        QTextCursor cursor = box->textCursor();
        cursor.movePosition(QTextCursor::Start);
        cursor.movePosition(QTextCursor::EndOfBlock);
        box->setTextCursor(cursor);
        QTest::keyClicks(box, text);
    }
};
