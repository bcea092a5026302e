#include "ui/picture_list.h"

#include <QFile>

// Outside any namespace, as Q_INIT_RESOURCE requires. The resources live in a static
// library, so they are registered explicitly rather than by a static initialiser the
// linker might drop.
static void initPictureResources()
{
    Q_INIT_RESOURCE(pictures);
}

PictureList PictureList::builtIn()
{
    initPictureResources();
    PictureList list;
    for (int i = 1; i <= kBuiltInCount; ++i) {
        const QString path = QStringLiteral(":/pictures/picture_%1.jpg").arg(i);
        if (QFile::exists(path))
            list.append(QPixmap(path));
    }
    return list;
}

QPixmap PictureList::picture(int index) const
{
    if (index < 1 || index > count())
        return {};
    return m_pictures[index - 1];
}

void PictureList::setCustom(const QPixmap& picture)
{
    if (count() >= kCustomIndex)
        m_pictures.remove(kCustomIndex - 1, count() - kCustomIndex + 1);
    // The list holds pictures of one size, as the built-in ones are.
    m_pictures.append(picture.scaled(kWidth, kHeight));
}
