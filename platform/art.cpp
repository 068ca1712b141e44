#include "art.h"

#include "language.h"
#include "look.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <future>
#include <mutex>
#include <optional>

namespace art {
namespace {

const QColor grey(look::background);
const QColor light(look::value);
const QColor mid(0x80, 0x80, 0x80);
const QColor amber(0xE8, 0xA8, 0x3A);

QPixmap canvas(int w, int h, QColor fill = Qt::transparent, int scale = 1) {
    QPixmap p(w * scale, h * scale);
    p.setDevicePixelRatio(scale);
    p.fill(fill);
    return p;
}

QFont font(int points, bool bold = true) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(points);
    f.setBold(bold);
    return f;
}

std::mutex clippedLock; // the login window's pictures may be drawn on a thread of their own
QList<Clipped> clippedSoFar;

// Draws `text` in `box` and notes it when it needs more room than the box gives.
void letter(QPainter& g, const QRect& box, int flags, const QString& text) {
    const QRect needed = g.fontMetrics().boundingRect(box, flags, text);
    const int over = std::max(needed.width() - box.width(), needed.height() - box.height());
    if (over > 0) {
        const std::lock_guard hold(clippedLock);
        clippedSoFar.append({text, over});
    }
    g.drawText(box, flags, text);
}

void drawLantern(QPainter& p, QRectF r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRectF glass =
        r.adjusted(r.width() * 0.2, r.height() * 0.25, -r.width() * 0.2, -r.height() * 0.12);
    QRadialGradient glow(glass.center(), glass.width());
    glow.setColorAt(0, amber);
    glow.setColorAt(1, QColor(0x60, 0x40, 0x10));
    p.setBrush(glow);
    p.setPen(QPen(light, 2));
    p.drawRoundedRect(glass, 4, 4);
    p.drawLine(QPointF(glass.left(), glass.top()),
               QPointF(r.center().x(), r.top() + r.height() * 0.1));
    p.drawLine(QPointF(glass.right(), glass.top()),
               QPointF(r.center().x(), r.top() + r.height() * 0.1));
    p.drawEllipse(QPointF(r.center().x(), r.top() + r.height() * 0.06), r.width() * 0.08,
                  r.width() * 0.08);
    p.drawLine(QPointF(glass.left() - 3, glass.bottom()),
               QPointF(glass.right() + 3, glass.bottom()));
    p.restore();
}

// The lettering under the lantern on the backgrounds, where it lies on them.
const QRect titleAt(100, 118, 570, 82);

QPixmap title(int scale) {
    QPixmap p = canvas(titleAt.width(), titleAt.height(), grey, scale);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.translate(-titleAt.topLeft());
    g.setFont(font(34));
    g.setPen(light);
    g.drawText(QRect(0, 120, 770, 56), Qt::AlignCenter, QStringLiteral("T O V O"));
    g.setFont(font(13, false));
    g.setPen(mid);
    g.drawText(QRect(0, 172, 770, 26), Qt::AlignCenter,
               QStringLiteral("Iron Lantern  /  Night Owls  \u2022  Online Game Service"));
    return p;
}

QString said(const char* words) {
    return QCoreApplication::translate("art", words);
}
const char* const loginWords = QT_TRANSLATE_NOOP("art", "Login >");

// The stored pictures, in the order of Stored, by file name. Stored in English: in another
// language they are drawn with its words when first shown.
struct StoredPicture {
    const char* name;
    QPixmap (*draw)(int scale);
};
const StoredPicture storedPictures[] = {
    {"title", title},
    {"alias", [](int s) { return aliasPanel(238, 91, s); }},
    {"login", [](int s) { return button(said(loginWords), 103, 48, false, s); }},
    {"login-pressed", [](int s) { return button(said(loginWords), 103, 48, true, s); }},
    {"settings",
     [](int s) { return button(said(QT_TRANSLATE_NOOP("art", "Settings")), 95, 33, false, s); }},
    {"about",
     [](int s) { return button(said(QT_TRANSLATE_NOOP("art", "About")), 95, 33, false, s); }},
    {"exit",
     [](int s) { return button(said(QT_TRANSLATE_NOOP("art", "Exit")), 98, 47, false, s); }},
};

QImage drawLogo(int size) {
    QImage p(size, size, QImage::Format_ARGB32_Premultiplied);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(grey);
    g.setPen(QPen(mid, size / 24.0));
    g.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), size / 6.0, size / 6.0);
    drawLantern(g, QRectF(size * 0.18, size * 0.1, size * 0.64, size * 0.8));
    g.end();
    return p;
}

QImage readStored(Stored which, int scale) {
    // A file named @2x is read as a picture for a screen of scale 2. Left to find the format
    // itself, the reader first loads every image plugin installed; the window frames' icons would
    // load them on the main thread anyway, so this thread does it for them.
    return QImage(QStringLiteral(":/art/%1%2.png")
                      .arg(QLatin1String(storedPictures[int(which)].name), scale > 1 ? "@2x" : ""))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage drawBackground(bool withLogo, int scale) {
    QImage p(770 * scale, 548 * scale, QImage::Format_RGB32);
    p.setDevicePixelRatio(scale);
    p.fill(grey);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    // The decorative strip down the left edge.
    QLinearGradient strip(0, 0, 40, 0);
    strip.setColorAt(0, QColor(0x2a, 0x2a, 0x2a));
    strip.setColorAt(1, grey);
    g.fillRect(0, 0, 40, 548, strip);
    g.setPen(QPen(QColor(0x58, 0x58, 0x58), 1));
    for (int y = 12; y < 548; y += 24)
        g.drawEllipse(QPointF(18, y), 3, 3);
    g.drawLine(38, 0, 38, 548);
    if (withLogo) {
        drawLantern(g, QRectF(345, 14, 80, 104));
        g.drawImage(titleAt.topLeft(), readStored(Stored::Title, scale));
    }
    g.end();
    return p;
}

// The login window's pictures, made on a thread of their own while the window's controls are
// made (prepareLogin); the window then takes them from here. A QPixmap belongs to the GUI
// thread, so the thread makes images.
const int windowIcon = 64; // the logo's size as the windows' icon, made with them
struct LoginPictures {
    int scale;
    QImage background, logo;
    QImage stored[std::size(storedPictures)];
};
std::future<LoginPictures> preparing;
std::optional<LoginPictures> prepared;

const LoginPictures* loginPictures(int scale) {
    if (preparing.valid()) prepared = preparing.get();
    return prepared && prepared->scale == scale ? &*prepared : nullptr;
}

} // namespace

int screenScale() {
    return qGuiApp->devicePixelRatio() > 1 ? 2 : 1;
}

void prepareLogin() {
    preparing = std::async(std::launch::async, [scale = screenScale()] {
        LoginPictures l{scale, drawBackground(true, scale), drawLogo(windowIcon), {}};
        if (!language::translated())
            for (size_t i = 0; i < std::size(l.stored); ++i)
                l.stored[i] = readStored(Stored(i), scale);
        return l;
    });
}

QPixmap stored(Stored which) {
    const int scale = screenScale();
    if (language::translated() && which != Stored::Title)
        return storedPictures[int(which)].draw(scale);
    const LoginPictures* l = loginPictures(scale);
    return QPixmap::fromImage(l ? l->stored[int(which)] : readStored(which, scale));
}

QPixmap drawStored(const QString& name, int scale) {
    for (const StoredPicture& s : storedPictures)
        if (name == QLatin1String(s.name)) return s.draw(scale);
    return {};
}

QStringList storedNames() {
    QStringList names;
    for (const StoredPicture& s : storedPictures)
        names << QLatin1String(s.name);
    return names;
}

QPixmap logo(int size) {
    const LoginPictures* l = size == windowIcon ? loginPictures(screenScale()) : nullptr;
    return QPixmap::fromImage(l ? l->logo : drawLogo(size));
}

QPixmap background(bool withLogo, int scale) {
    const LoginPictures* l = withLogo ? loginPictures(scale) : nullptr;
    return QPixmap::fromImage(l ? l->background : drawBackground(withLogo, scale));
}

QPixmap button(const QString& text, int w, int h, bool pressed, int scale) {
    QPixmap p = canvas(w, h, Qt::transparent, scale);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0, pressed ? QColor(0x30, 0x30, 0x30) : QColor(0x5c, 0x5c, 0x5c));
    fill.setColorAt(1, pressed ? QColor(0x48, 0x48, 0x48) : QColor(0x38, 0x38, 0x38));
    g.setBrush(fill);
    g.setPen(QPen(pressed ? amber : mid, 2));
    g.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), h / 4.0, h / 4.0);
    g.setPen(pressed ? amber : light);
    g.setFont(font(qBound(8, h / 3, 16)));
    const int border = 4; // the rounded frame's width and curve, which the words keep clear of
    letter(g, QRect(border, pressed ? 1 : 0, w - 2 * border, h), Qt::AlignCenter, text);
    return p;
}

QPixmap aliasPanel(int w, int h, int scale) {
    QPixmap p = canvas(w, h, Qt::transparent, scale);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(mid, 1));
    g.setBrush(QColor(0x38, 0x38, 0x38));
    g.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 8, 8);
    g.setPen(light);
    g.setFont(font(10));
    letter(g, QRect(14, 6, w - 20, 24), Qt::AlignLeft | Qt::AlignVCenter,
           said(QT_TRANSLATE_NOOP("art", "Enter your alias:")));
    g.setPen(QPen(mid, 1));
    g.setBrush(Qt::NoBrush);
    g.drawRect(QRectF(14.5, 36.5, w - 29, 22)); // the field the alias box lies in
    g.setPen(light);
    letter(g, QRect(14, h - 28, w - 20, 24), Qt::AlignLeft | Qt::AlignVCenter,
           said(QT_TRANSLATE_NOOP("art", "Save alias:")));
    return p;
}

QString aliasPanelWords() {
    return said("Enter your alias:") + QLatin1Char(' ') + said("Save alias:");
}

QPixmap toggle(bool selected, int w, int h) {
    QPixmap p = canvas(w, h);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const double r = std::min(w, h) / 2.0 - 4;
    const QPointF c(w / 2.0, h / 2.0);
    g.setPen(QPen(light, 2));
    g.setBrush(Qt::NoBrush);
    g.drawEllipse(c, r, r);
    if (selected) {
        g.setPen(Qt::NoPen);
        g.setBrush(amber);
        g.drawEllipse(c, r - 4, r - 4);
    }
    return p;
}

QPixmap banner(int w, int h) {
    QPixmap p = canvas(w, h);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(mid, 2));
    g.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), 10, 10);
    return p;
}

QPixmap roundedFrame(int w, int h) {
    QPixmap p = canvas(w, h);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(QColor(0x36, 0x36, 0x36));
    g.setPen(QPen(mid, 2));
    g.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), h / 2.5, h / 2.5);
    return p;
}

QPixmap words(const QString& text, int w, int h, int points) {
    QPixmap p = canvas(w, h);
    QPainter g(&p);
    g.setRenderHint(QPainter::TextAntialiasing);
    g.setPen(light);
    g.setFont(font(points));
    letter(g, QRect(0, 0, w, h), Qt::AlignCenter | Qt::TextWordWrap, text);
    return p;
}

QList<Clipped> clipped() {
    const std::lock_guard hold(clippedLock);
    return clippedSoFar;
}

} // namespace art
