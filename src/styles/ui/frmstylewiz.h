#pragma once

#include "prompts.h"
#include "stylechunk.h"
#include "styleworkinglist.h"
#include "wizardframe.h"

#include <QByteArray>
#include <QString>

class TColourPanel;
class TStyleWizDetailsPage;
class TWizardListPage;
class TWizardWelcomePage;

// What the wizard does with the style list; follows the three radio buttons of the first page.
enum class TStyleWizMode { Add = 0, Modify = 1, Delete = 2 };

// The style wizard: a modal dialog in which the user adds, modifies, deletes and reorders the
// styles of "Styles.data". It edits a working copy of the list and writes the file only when the
// user finishes and agrees to save; the caller then reloads the styles from the file.
//
//     TfrmStyleWiz(ProgramFolder(), HTMLFolder(), this).exec();
//
// exec() gives Accepted when the file was written and Rejected otherwise.
class TfrmStyleWiz : public TWizardFrame {
    Q_OBJECT
public:
    // Reads the styles of "Styles.data" in programFolder; a file that is missing or damaged gives
    // the styles that could be read, and Finish then writes a good file. The sample page is
    // written as "~tmpprvw.html" into htmlFolder, where relative background pictures resolve.
    TfrmStyleWiz(const QString &programFolder, const QString &htmlFolder, QWidget *parent = nullptr);
    ~TfrmStyleWiz() override;

    // The help topic the Help button shows.
    static constexpr int HelpTopic = 31;

    TStyleWizMode StyleWizMode() const { return m_mode; }
    bool StylesChanged() const { return m_styles.changed(); }
    const TStyleWorkingList &WorkingStyles() const { return m_styles; }
    // The text of the sample page last shown.
    QByteArray SampleHTML() const { return m_sampleHTML; }

private:
    enum class TStyleWizStep { Welcome, Details, List };

    void buildForm();
    void connectHandlers();
    TStyleWizStep page() const;
    void showPage(TStyleWizStep page);

    void NextButtClick();
    void BackButtClick();
    void FinishButtClick();
    void butHelpClick();
    void lstStylesClick();
    void txtStyleNameChange(const QString &text);
    void txtImgFilenameChange(const QString &text);
    void spdImgFileClick();
    void butClearClick();
    void pickColour(TColourPanel *panel, TColour TStyleChunk::*field);
    void spbUpClick();
    void spbDownClick();
    void butDeleteClick();

    void ClearStyle();
    void ShowMyDetails();
    void ShowStyles();
    void RefreshHTML();
    bool SaveFromHTML(const QString &path) const;
    void showSample();
    TMsgResult AskForSave();
    bool WriteStylesToFile();

    // The selected row of the list page, -1 when none.
    int selectedStyle() const;

    QString m_programFolder;
    QString m_htmlFolder;
    TStyleWorkingList m_styles;
    TStyleWizMode m_mode = TStyleWizMode::Add;
    // Set while the fields are filled from a record, so that the change handlers neither copy
    // the texts back nor count the filling as an edit.
    bool m_styleLoading = false;
    QByteArray m_sampleHTML;

    TWizardWelcomePage *m_welcome = nullptr;
    TStyleWizDetailsPage *m_details = nullptr;
    TWizardListPage *m_list = nullptr;
};
