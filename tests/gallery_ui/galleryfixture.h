#pragma once

// The main window on the choose stage over a temporary program folder, with helpers that put
// builder documents and thumbnails into its template and save folders.

#include "builderdocument.h"
#include "choosepanel.h"
#include "mainwindowfixture.h"
#include "thumbnail.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>

class GalleryFixture : public MainWindowFixture {
public:
    // Writes a one-heading document named name into folder ("template" or "save").
    QString addDocument(const char *folder, const QString &name, const QByteArray &title = "A page")
    {
        TBlockHeading heading;
        heading.Text = title;
        const QString path = home + QLatin1String(folder) + QLatin1Char('/') + name;
        EXPECT_TRUE(WriteDocument(path, QByteArray(), title, {MakeWebChunk(heading)}));
        return path;
    }

    // A thumbnail of one colour, so the preview box can be told apart from the front picture.
    static void addThumbnail(const QString &documentPath, QColor colour = Qt::red)
    {
        QImage picture(ThumbnailSize, QImage::Format_RGB32);
        picture.fill(colour);
        EXPECT_TRUE(SaveThumbnail(documentPath, picture));
    }

    QListWidget *gallery()
    {
        if (!window)
            open();
        return find<QListWidget>("lvTemplates");
    }

    QStringList captions()
    {
        QStringList result;
        for (int i = 0; i < gallery()->count(); ++i)
            result << gallery()->item(i)->text();
        return result;
    }

    QListWidgetItem *select(const QString &caption)
    {
        const QList<QListWidgetItem *> found = gallery()->findItems(caption, Qt::MatchExactly);
        EXPECT_EQ(found.size(), 1) << caption.toStdString();
        if (found.isEmpty())
            return nullptr;
        gallery()->setCurrentItem(found.first());
        return found.first();
    }

    // Starts renaming the selected entry and returns the in-place editor.
    QLineEdit *startRename()
    {
        trigger("Rename1");
        QLineEdit *editor = gallery()->viewport()->findChild<QLineEdit *>();
        EXPECT_NE(editor, nullptr);
        return editor;
    }

    void renameTo(const QString &caption, const QString &newCaption)
    {
        select(caption);
        QLineEdit *editor = startRename();
        if (!editor)
            return;
        editor->setText(newCaption);
        endEdit(editor, Qt::Key_Return);
    }

    // Return and Escape end the edit through a queued call, so the events are let through.
    void endEdit(QLineEdit *editor, Qt::Key key)
    {
        QTest::keyClick(editor, key);
        for (int i = 0; i < 5 && find<TChoosePanel>("pnlChoose")->renaming(); ++i)
            QCoreApplication::processEvents();
        EXPECT_FALSE(find<TChoosePanel>("pnlChoose")->renaming());
        // The closed editor is only deleted later; it must not be taken for the next one.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A double-click on the entry as the user makes it: the first click selects the entry.
    void doubleClick(QListWidgetItem *item)
    {
        const QPoint centre = gallery()->visualItemRect(item).center();
        QTest::mouseClick(gallery()->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        QTest::mouseDClick(gallery()->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    }

    static bool exists(const QString &path) { return QFile::exists(path); }
};
