#pragma once

class TPageDocument;

// File, "Export Page Folder...": writes the page with its pictures and background into a folder
// the user picks, asking before it replaces anything already there, and reports what it wrote.
class TPageFolderCommand {
public:
    explicit TPageFolderCommand(TPageDocument &document) : m_document(document) {}

    void menFileExportFolderClick();

private:
    TPageDocument &m_document;
};
