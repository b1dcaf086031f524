#pragma once
// TfrmZZC010, the splash window shown from program start until the main window exists: a picture,
// the application title with a shadow and the file version. The picture and its shape mask are
// "splash.png" and "smask.png" in the program directory; without them the window is plain.
#include <QImage>
#include <QRegion>
#include <QWidget>

class TfrmZZC010 : public QWidget {
    Q_OBJECT
public:
    explicit TfrmZZC010(const QString &directory, QWidget *parent = nullptr);
    bool hasPicture() const { return !m_picture.isNull(); }
    static QString FileVersion();                 // "%d.%d.%d.%d" of the build, empty when unknown
    // The window region of a shape mask: every horizontal run of cleared (dark) pixels of a row is a
    // one-pixel-high rectangle.
    static QRegion MaskRegion(const QImage &mask);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};
