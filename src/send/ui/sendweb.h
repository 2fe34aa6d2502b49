#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QTimer;
class TWebCanvas;
class TWebSprite;

// The web of the send stage with everything on it: the flashing page that starts an upload and
// flies into the web, the two arrows that turn the web, and the magnifier that shows one logo at
// a time, or the user's page after an upload. It draws and animates; what a click means is left
// to the stage through its signals.
class TSendWeb : public QWidget {
    Q_OBJECT
public:
    explicit TSendWeb(QWidget *parent = nullptr);

    // The stage is entered: nothing under the magnifier, the page shown and flashing.
    void enterStage();
    void leaveStage();
    bool isFlashing() const;

    // Plays the upload animation; uploadAnimationDone follows when the page has reached the web.
    void startUploadAnimation();
    bool isAnimatingUpload() const;
    // The end of the upload the animation led to: a success puts the user's page under the
    // magnifier and into the web's turn for the rest of the run; a failure brings the page back.
    void uploadEnded(bool succeeded);

    // Turns the web by one sight, as the arrows do.
    void rotate(bool left);
    bool isRotating() const;

    int WebIndex() const { return m_webIndex; }
    bool Uploaded() const { return m_uploaded; }
    // Shows the picture for WebIndex under the magnifier, bringing the index into range first.
    void DisplayMagnifier();

    TWebCanvas *imgWebBack = nullptr;
    TWebSprite *imgUpload = nullptr;
    TWebSprite *imgUploadLeft = nullptr;
    TWebSprite *imgUploadRight = nullptr;
    QLabel *lblRotateLeft = nullptr;
    QLabel *lblRotateRight = nullptr;
    QLabel *lblMag = nullptr;
    // The seven logos and the user's page, in the order the web turns through them.
    std::array<TWebSprite *, 8> sights{};

signals:
    void uploadAnimationDone();
    // The picture under the magnifier was clicked; index as WebIndex.
    void sightClicked(int index);

private:
    void timFlashPageTimer();
    void timUploadTimer();
    void timWebAnTimer();
    void imgUploadLeftClick();
    void imgUploadRightClick();
    void MoveWeb(bool left);
    void hideSights();
    QLabel *rotateLabel(const char *name, int x);

    QTimer *timFlashPage = nullptr;
    QTimer *timUpload = nullptr;
    QTimer *timWebAn = nullptr;
    int m_webIndex = -1;
    bool m_uploaded = false;
    int m_uploadFrame = 0;
    int m_rotateFrame = 0;
    bool m_rotateLeft = false;
};
