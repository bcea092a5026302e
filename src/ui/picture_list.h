#pragma once

#include <QList>
#include <QPixmap>

// ImageList2: the pictures of the picture panel, numbered from 1. Six are built in; the
// user's own picture may be added as number 7.
class PictureList {
public:
    static constexpr int kBuiltInCount = 6;
    static constexpr int kCustomIndex = 7;
    // Every picture of the list has this size.
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 240;

    // The built-in pictures shipped as resources.
    static PictureList builtIn();

    int count() const { return static_cast<int>(m_pictures.size()); }
    // Picture number index (1-based); a null pixmap when out of range.
    QPixmap picture(int index) const;
    void append(const QPixmap& picture) { m_pictures.append(picture); }
    // Puts the custom picture, scaled to the list's size, at number 7, replacing an earlier one.
    void setCustom(const QPixmap& picture);

private:
    QList<QPixmap> m_pictures;
};
