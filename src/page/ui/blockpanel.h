#pragma once

#include "webchunk.h"

#include <QFrame>

#include <array>
#include <functional>

class QBoxLayout;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QToolButton;
class QVBoxLayout;

// Whether filling a panel may take the keyboard focus (not while a document is being loaded).
enum class TFocusRule { TakeFocus, LeaveFocus };

// The editor panel of one block kind, on the right of the build stage. It shows the fields of the
// selected block's record and writes every change the user makes straight back into it, through
// the editor function the stage gives it (which knows the selected chunk and the loading flag).
// This base class holds what all panels share: the title picture, the captions, the alignment
// group and the new-line button.
class TBlockPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 281;
    static constexpr int kHeight = 273;

    // Applies a change to the selected chunk's record; false when no change may be made now.
    using TRecordEdit = std::function<void(TWebChunk &)>;
    using TEditor = std::function<bool(TBlockKind kind, const TRecordEdit &edit)>;

    // titleName is the title picture's control, titleArt its picture resource.
    TBlockPanel(TBlockKind kind, const QString &objectName, const QString &titleName, const QString &titleArt,
                QWidget *parent = nullptr);

    TBlockKind kind() const { return m_kind; }
    void setEditor(TEditor editor) { m_editor = std::move(editor); }

    // Loads the captions and hints from the string table.
    void StringEmUp();
    // Shows a chunk of this panel's kind. No change is written back while the panel fills.
    void fill(const TWebChunk &chunk, TFocusRule focus);
    // Puts the alignment buttons (and the new-line button, where the panel resets it) up.
    void raiseButtons();

protected:
    virtual void fillFields(const TWebChunk &chunk) = 0;
    virtual QWidget *focusField() const = 0;

    // Building blocks for the panels, laid out top to bottom.
    // The controls go to the end of the panel, or into the given row.
    QLabel *addLabel(const char *name, int stringId, QBoxLayout *row = nullptr);
    QLineEdit *addEdit(const char *name, void (*store)(TWebChunk &, const QByteArray &),
                       QBoxLayout *row = nullptr);
    QComboBox *addChoice(const char *name, int firstItemId, int lastItemId,
                         void (*store)(TWebChunk &, const QByteArray &));
    // The example row: plain text, the clickable text in blue, plain text.
    void addExampleRow(const char *prefix, int beforeId, int linkId, int afterId);
    // The alignment group and the new-line button along the bottom. prefix is e.g. "spdPara".
    void addButtonRow(const char *prefix, void (*storeAlign)(TWebChunk &, TBlockAlign),
                      void (*storeNewLine)(TWebChunk &, uint8_t));
    QVBoxLayout *body() const { return m_body; }
    // The caption added last names field, for a screen reader and as the field's shortcut label.
    void labelField(QWidget *field);

    // Writes a change into the selected chunk unless the panel is filling or loading is on.
    void edit(const TRecordEdit &change);
    void showAlign(TBlockAlign align);
    void showNewLine(uint8_t newLine);
    // Selects the list item equal to the text (ignoring case); when there is none, selects the
    // first item and stores it, so a damaged record is repaired.
    void showChoice(QComboBox *box, const QByteArray &text);
    void setText(QLineEdit *edit, const QByteArray &text);
    bool filling() const { return m_filling; }

    // Whether filling also resets the new-line button (the heading panel keeps its own state).
    bool m_resetNewLine = true;

private:
    void alignClicked(int index, bool down);

    TBlockKind m_kind;
    TEditor m_editor;
    bool m_filling = false;
    QLabel *m_title = nullptr;
    QVBoxLayout *m_body = nullptr;
    std::vector<std::pair<QWidget *, int>> m_captions; // control, string id (labels and hints)
    QLabel *m_lastLabel = nullptr;                     // the caption the next field belongs to
    std::array<QToolButton *, 3> m_align{};
    QToolButton *m_newLine = nullptr;
    void (*m_storeAlign)(TWebChunk &, TBlockAlign) = nullptr;
};
