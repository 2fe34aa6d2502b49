#pragma once

#include "proeditorlink.h"

class TPageDocument;

// The window's side of the hand-over to the professional editor: while the editor ran when the
// window was created, the send button writes the page into the editor's folder instead of
// opening the send stage. This class asks the user's questions and shows the outcome; the link
// and the writing itself are model code.
class TProEditorHandOver {
public:
    explicit TProEditorHandOver(TPageDocument &document);

    // Looks for the editor; called once, first thing when the window is created.
    void ZorvinRunning();
    bool ProEditorRunning() const { return m_link.ProEditorRunning(); }

    // Writes the saved document's page into the editor's folder, asking before it replaces an
    // earlier export, and reports where everything went. Returns false when the editor could not
    // be reached or the page not written; the caller then tells the user and closes the window.
    bool exportPage();
    // Tells the user that the editor could not be reached (message 5084).
    static void reportFailure();

private:
    TPageDocument &m_document;
    TProEditorLink m_link;
};
