#include "editor/pixelart.h"

#include <QIconEngine>
#include <QPainter>

#include <algorithm>

namespace vte {

namespace {

constexpr int LargestFactor = 4;

QImage enlarged(const QImage &picture, int factor)
{
    return picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// Behaves as Qt's own engine holding the picture at one to four times its
// size, but makes each copy only when a screen first asks for a size it serves:
// most screens never need the larger ones.
class SharpIconEngine final : public QIconEngine
{
public:
    explicit SharpIconEngine(const QString &path)
        : m_picture(path)
    { }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return copies(size).pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return pixmap(size, mode, state).size();
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state));
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        QList<QSize> sizes;
        if (mode != QIcon::Normal || state != QIcon::Off)
            return sizes;
        for (int factor = 1; factor <= LargestFactor; ++factor)
            sizes << m_picture.size() * factor;
        return sizes;
    }
    QIconEngine *clone() const override { return new SharpIconEngine(*this); }

private:
    // The copies made so far, always including the one Qt would pick for the
    // size: the smallest that covers it, or else the largest.
    const QIcon &copies(const QSize &size)
    {
        int factor = 1;
        const auto area = [](const QSize &s) { return qint64(s.width()) * s.height(); };
        while (factor < LargestFactor && area(m_picture.size() * factor) < area(size))
            ++factor;
        if (!m_copies.availableSizes().contains(m_picture.size() * factor))
            m_copies.addPixmap(QPixmap::fromImage(enlarged(m_picture, factor)));
        return m_copies;
    }

    QImage m_picture;
    QIcon m_copies;
};

} // namespace

QPixmap sharpPixmap(const QImage &picture, qreal devicePixelRatio)
{
    const int factor = std::max(1, static_cast<int>(devicePixelRatio));
    if (factor == 1)
        return QPixmap::fromImage(picture);
    QPixmap pixmap = QPixmap::fromImage(enlarged(picture, factor));
    pixmap.setDevicePixelRatio(factor);
    return pixmap;
}

QIcon sharpIcon(const QString &path)
{
    return QIcon(new SharpIconEngine(path));
}

} // namespace vte
