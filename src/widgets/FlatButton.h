#pragma once

#include "widgets/SvgImage.h"

#include <QAbstractButton>
#include <QColor>

#include <array>

class QVariantAnimation;

// A push button that paints itself: a background with border and corner radius, an image shown
// as a silhouette in its own colour, and a title. Border, background, image and title each have
// a normal and a highlight colour; every change of state fades them from the colours they show
// to the colours of the new state. All colours start empty (nothing drawn), all numbers at 0.
//
// Clicks never change the state: it is the owner's to set. The properties are Qt properties so
// that a form can set them on a promoted button.
class FlatButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(bool mouseDown READ mouseDown WRITE setMouseDown)
    Q_PROPERTY(QColor normalColor READ normalColor WRITE setNormalColor)
    Q_PROPERTY(QColor hoverColor READ hoverColor WRITE setHoverColor)
    Q_PROPERTY(bool isHideHover READ isHideHover WRITE setIsHideHover)
    Q_PROPERTY(bool momentary READ momentary WRITE setMomentary)
    Q_PROPERTY(double onAnimateDuration READ onAnimateDuration WRITE setOnAnimateDuration)
    Q_PROPERTY(double offAnimateDuration READ offAnimateDuration WRITE setOffAnimateDuration)
    Q_PROPERTY(double cornerRadius READ cornerRadius WRITE setCornerRadius)
    Q_PROPERTY(double borderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(double spacing READ spacing WRITE setSpacing)
    Q_PROPERTY(QColor borderNormalColor READ borderNormalColor WRITE setBorderNormalColor)
    Q_PROPERTY(QColor borderHighlightColor READ borderHighlightColor WRITE setBorderHighlightColor)
    Q_PROPERTY(
        QColor backgroundNormalColor READ backgroundNormalColor WRITE setBackgroundNormalColor)
    Q_PROPERTY(QColor backgroundHighlightColor READ backgroundHighlightColor WRITE
                   setBackgroundHighlightColor)
    Q_PROPERTY(QColor imageNormalColor READ imageNormalColor WRITE setImageNormalColor)
    Q_PROPERTY(QColor imageHighlightColor READ imageHighlightColor WRITE setImageHighlightColor)
    Q_PROPERTY(QColor titleNormalColor READ titleNormalColor WRITE setTitleNormalColor)
    Q_PROPERTY(QColor titleHighlightColor READ titleHighlightColor WRITE setTitleHighlightColor)
    Q_PROPERTY(int section READ section WRITE setSection)
    Q_PROPERTY(int row READ row WRITE setRow)
    Q_PROPERTY(ImagePosition imagePosition READ imagePosition WRITE setImagePosition)
    Q_PROPERTY(bool imageHugsTitle READ imageHugsTitle WRITE setImageHugsTitle)
    Q_PROPERTY(QString sound READ sound WRITE setSound)

public:
    // Where the image stands against the title, by the usual image-position codes 0–8.
    // Leading and trailing are left and right.
    enum ImagePosition {
        NoImage,
        ImageOnly,
        ImageLeft,
        ImageRight,
        ImageBelow,
        ImageAbove,
        ImageOverlaps,
        ImageLeading,
        ImageTrailing
    };
    Q_ENUM(ImagePosition)

    // On shows the highlight colours; every other state the normal ones.
    enum State { Off = 0, On = 1 };

    // What the button draws of its image or title: whether it shows, where (the button's
    // coordinates, y down) and in which colour at this moment.
    struct Layer {
        bool shown = false;
        QRectF frame;
        QColor color;
    };

    explicit FlatButton(QWidget *parent = nullptr);

    // The state is the button's checked state; setting it fades the colours.
    State state() const { return m_state; }
    void setState(State state);

    QString title() const { return text(); }
    void setTitle(const QString &title);
    SvgImage image() const { return m_image; }
    void setImage(const SvgImage &image);
    ImagePosition imagePosition() const { return m_imagePosition; }
    void setImagePosition(ImagePosition position);
    // Image and title stand together in the middle instead of at the edges.
    bool imageHugsTitle() const { return m_imageHugsTitle; }
    void setImageHugsTitle(bool hugs);

    Layer imageLayer() const;
    Layer titleLayer() const;
    QPointF layerOrigin(const QSizeF &own, const QSizeF &other, int side) const;
    int imageSide() const;
    // The colours the button's own background and border show at this moment.
    QColor backgroundColor() const { return m_fades[backgroundFade].shown; }
    QColor borderColor() const { return m_fades[borderFade].shown; }

    // Set while a press that began on the button lasts and has not left it.
    bool mouseDown() const { return m_mouseDown; }
    void setMouseDown(bool down) { m_mouseDown = down; }

    // The background's normal colour goes back to this one when a press is released.
    QColor normalColor() const { return m_normalColor; }
    void setNormalColor(const QColor &color) { storeColor(m_normalColor, color); }

    // The sound-theme event played when the button is pressed ("button-pressed"); none when
    // empty.
    QString sound() const { return m_sound; }
    void setSound(const QString &sound) { m_sound = sound; }

    // Stored only: they change nothing the button draws or does.
    QColor hoverColor() const { return m_hoverColor; }
    void setHoverColor(const QColor &color) { storeColor(m_hoverColor, color); }
    bool isHideHover() const { return m_isHideHover; }
    void setIsHideHover(bool hide) { m_isHideHover = hide; }
    bool momentary() const { return m_momentary; }
    void setMomentary(bool momentary);
    int section() const { return m_section; }
    void setSection(int section) { m_section = section; }
    int row() const { return m_row; }
    void setRow(int row) { m_row = row; }

    // Seconds of the fade into the on state and into the off state.
    double onAnimateDuration() const { return m_onAnimateDuration; }
    void setOnAnimateDuration(double seconds) { m_onAnimateDuration = seconds; }
    double offAnimateDuration() const { return m_offAnimateDuration; }
    void setOffAnimateDuration(double seconds) { m_offAnimateDuration = seconds; }

    double cornerRadius() const { return m_cornerRadius; }
    void setCornerRadius(double radius);
    double borderWidth() const { return m_borderWidth; }
    void setBorderWidth(double width);
    // Between the image or title and the button's edge, or between image and title when they
    // hug.
    double spacing() const { return m_spacing; }
    void setSpacing(double spacing);

    QColor borderNormalColor() const { return m_borderNormalColor; }
    void setBorderNormalColor(const QColor &c) { storeColor(m_borderNormalColor, c); }
    QColor borderHighlightColor() const { return m_borderHighlightColor; }
    void setBorderHighlightColor(const QColor &c) { storeColor(m_borderHighlightColor, c); }
    QColor backgroundNormalColor() const { return m_backgroundNormalColor; }
    void setBackgroundNormalColor(const QColor &c) { storeColor(m_backgroundNormalColor, c); }
    QColor backgroundHighlightColor() const { return m_backgroundHighlightColor; }
    void setBackgroundHighlightColor(const QColor &c) { storeColor(m_backgroundHighlightColor, c); }
    QColor imageNormalColor() const { return m_imageNormalColor; }
    void setImageNormalColor(const QColor &c) { storeColor(m_imageNormalColor, c); }
    QColor imageHighlightColor() const { return m_imageHighlightColor; }
    void setImageHighlightColor(const QColor &c) { storeColor(m_imageHighlightColor, c); }
    QColor titleNormalColor() const { return m_titleNormalColor; }
    void setTitleNormalColor(const QColor &c) { storeColor(m_titleNormalColor, c); }
    QColor titleHighlightColor() const { return m_titleHighlightColor; }
    void setTitleHighlightColor(const QColor &c) { storeColor(m_titleHighlightColor, c); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void checkStateSet() override;
    void nextCheckState() override;

private:
    enum Layered { borderFade, backgroundFade, imageFade, titleFade, fadeCount };

    // A layer's colour: the one it is set to (at once) and the one it shows while it fades.
    struct Fade {
        QColor target;
        QColor shown;
        QVariantAnimation *animation = nullptr;
    };

    void storeColor(QColor &slot, const QColor &color);
    void animateColorWithState(State state);
    void animateLayer(Layered which, const QColor &color, double seconds);
    QSizeF imageSize() const;
    QSizeF titleSize() const;
    void paintLayers(QPainter &painter) const;

    SvgImage m_image;
    ImagePosition m_imagePosition = NoImage;
    bool m_imageHugsTitle = false;
    bool m_mouseDown = false;
    QColor m_normalColor;
    QColor m_hoverColor;
    bool m_isHideHover = false;
    bool m_momentary = false;
    double m_onAnimateDuration = 0;
    double m_offAnimateDuration = 0;
    double m_cornerRadius = 0;
    double m_borderWidth = 0;
    double m_spacing = 0;
    QColor m_borderNormalColor;
    QColor m_borderHighlightColor;
    QColor m_backgroundNormalColor;
    QColor m_backgroundHighlightColor;
    QColor m_imageNormalColor;
    QColor m_imageHighlightColor;
    QColor m_titleNormalColor;
    QColor m_titleHighlightColor;
    int m_section = 0;
    int m_row = 0;
    QString m_sound;
    std::array<Fade, fadeCount> m_fades;
    State m_state = Off;
};
