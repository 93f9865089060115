// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Korvane developers
// Draws Korvane's icon: a diaphragm with four slits lit from below, rays
// fanning out to the screen, and the four-slit interference profile standing
// on the screen. One geometry feeds both the SVG (for icon themes) and the
// PNG sizes (for the window and for desktops that want bitmaps), so the two
// never drift apart; korvane.ico gathers the PNG sizes for the Windows
// program, and the web page's manifest takes two more. The output is
// committed under res/icons/.
//
// Usage: make_icon OUT_DIR

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QTextStream>

#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

// Everything in a 256 x 256 canvas.
constexpr double kCanvas = 256.0;
constexpr std::array<int, 7> kPngSizes{16, 24, 32, 48, 64, 128, 256};
// The web page's, which a browser asks for to install the page as an app;
// larger than a Windows icon can hold.
constexpr std::array<int, 2> kPageSizes{192, 512};

const QColor kBackground(0x17, 0x32, 0x4d);
const QColor kProfile(0xff, 0xb0, 0x00);
const QColor kScreen(0xee, 0xf3, 0xf8);
const QColor kDiaphragm(0xc0, 0xc0, 0xc0); // the program's own grey
const QColor kLight(0xff, 0xf2, 0xa8);
const QColor kRay(0xff, 0xff, 0xff, 0x73);

const QRectF kTile(8, 8, 240, 240);
constexpr double kTileRadius = 44;
const QRectF kScreenBar(28, 100, 200, 6);
constexpr double kProfileHeight = 74;
const QRectF kDiaphragmBar(28, 184, 200, 12);
constexpr double kSlitWidth = 8;
constexpr std::array<double, 4> kSlitX{104, 120, 136, 152};
const QRectF kIncomingLight(96, 204, 64, 28);
constexpr std::array<double, 3> kMaximaX{64, 128, 192};
constexpr double kRayWidth = 2.5;

// Four slits: sharp main maxima, each with two small ones between, under a
// broad envelope so that the outer maxima stand lower than the middle one.
double intensity(double u)
{
    constexpr double slits = 4;
    const double delta = 2 * std::numbers::pi * 1.5 * u;
    const double half = std::sin(delta / 2);
    const double grating = std::fabs(half) < 1e-9 ? 1.0 : std::pow(std::sin(slits * delta / 2) / (slits * half), 2);
    const double a = std::numbers::pi * 0.45 * u;
    const double envelope = a == 0.0 ? 1.0 : std::pow(std::sin(a) / a, 2);
    return grating * envelope;
}

QPolygonF profile()
{
    QPolygonF outline;
    const double base = kScreenBar.top();
    outline << QPointF(kScreenBar.left(), base);
    constexpr int samples = 96;
    for (int i = 0; i <= samples; ++i) {
        const double u = -1.0 + 2.0 * i / samples;
        const double x = kScreenBar.left() + kScreenBar.width() * (u + 1) / 2;
        outline << QPointF(x, base - kProfileHeight * intensity(u));
    }
    outline << QPointF(kScreenBar.right(), base);
    return outline;
}

// The diaphragm as separate bars between the slits.
std::vector<QRectF> diaphragmParts()
{
    std::vector<QRectF> parts;
    double left = kDiaphragmBar.left();
    for (double x : kSlitX) {
        parts.emplace_back(QPointF(left, kDiaphragmBar.top()), QPointF(x - kSlitWidth / 2, kDiaphragmBar.bottom()));
        left = x + kSlitWidth / 2;
    }
    parts.emplace_back(QPointF(left, kDiaphragmBar.top()), kDiaphragmBar.bottomRight());
    return parts;
}

struct Ray {
    QPointF from, to;
};

std::vector<Ray> rays()
{
    std::vector<Ray> all;
    for (double slit : kSlitX)
        for (double maximum : kMaximaX)
            all.push_back({QPointF(slit, kDiaphragmBar.top()), QPointF(maximum, kScreenBar.bottom())});
    return all;
}

QString number(double v)
{
    return QString::number(v, 'f', 2);
}

QString svgColour(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

QString svgRect(const QRectF &r, const QColor &fill, double radius = 0)
{
    QString rect = QStringLiteral(R"(  <rect x="%1" y="%2" width="%3" height="%4")")
                       .arg(number(r.x()), number(r.y()), number(r.width()), number(r.height()));
    if (radius > 0)
        rect += QStringLiteral(R"( rx="%1")").arg(number(radius));
    return rect + QStringLiteral(R"( fill="%1"/>)").arg(svgColour(fill)) + u'\n';
}

QString svg()
{
    QString out;
    QTextStream s(&out);
    s << R"(<?xml version="1.0" encoding="UTF-8"?>)" << '\n'
      << R"(<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">)" << '\n'
      << "  <title>Korvane</title>\n"
      << svgRect(kTile, kBackground, kTileRadius) << svgRect(kIncomingLight, kLight);
    s << QStringLiteral(R"(  <g stroke="%1" stroke-opacity="%2" stroke-width="%3" stroke-linecap="round">)")
             .arg(svgColour(kRay), number(kRay.alphaF()), number(kRayWidth))
      << '\n';
    for (const Ray &ray : rays())
        s << QStringLiteral(R"(    <line x1="%1" y1="%2" x2="%3" y2="%4"/>)")
                 .arg(number(ray.from.x()), number(ray.from.y()), number(ray.to.x()), number(ray.to.y()))
          << '\n';
    s << "  </g>\n";
    for (const QRectF &part : diaphragmParts())
        s << svgRect(part, kDiaphragm);
    QString points;
    for (const QPointF &p : profile())
        points += number(p.x()) + u',' + number(p.y()) + u' ';
    s << QStringLiteral(R"(  <polygon fill="%1" points="%2"/>)").arg(svgColour(kProfile), points.trimmed()) << '\n'
      << svgRect(kScreenBar, kScreen) << "</svg>\n";
    return out;
}

// Qt's conversion to straight alpha settles exact ties (62 x 255 / 204 =
// 77.5) with an approximate reciprocal whose last bit differs between
// processors; this one is exact integer arithmetic, rounding half up, so the
// committed files come out the same on every machine.
QImage unpremultiplied(const QImage &premultiplied)
{
    QImage out(premultiplied.size(), QImage::Format_ARGB32);
    for (int y = 0; y < premultiplied.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(premultiplied.constScanLine(y));
        auto *to = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < premultiplied.width(); ++x) {
            const int alpha = qAlpha(from[x]);
            const auto straight = [alpha](int channel) {
                return alpha == 0 ? 0 : (2 * 255 * channel + alpha) / (2 * alpha);
            };
            to[x] = qRgba(straight(qRed(from[x])), straight(qGreen(from[x])), straight(qBlue(from[x])), alpha);
        }
    }
    return out;
}

QImage png(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kCanvas, size / kCanvas);
    p.setPen(Qt::NoPen);
    p.setBrush(kBackground);
    p.drawRoundedRect(kTile, kTileRadius, kTileRadius);
    p.fillRect(kIncomingLight, kLight);
    p.setPen(QPen(kRay, kRayWidth, Qt::SolidLine, Qt::RoundCap));
    for (const Ray &ray : rays())
        p.drawLine(ray.from, ray.to);
    p.setPen(Qt::NoPen);
    for (const QRectF &part : diaphragmParts())
        p.fillRect(part, kDiaphragm);
    p.setBrush(kProfile);
    p.drawPolygon(profile());
    p.fillRect(kScreenBar, kScreen);
    p.end();
    return unpremultiplied(image);
}

// The Windows icon: every PNG size in one file, stored as PNG, as Windows
// reads them since Vista. Little-endian fields; a width or height of 256 is
// written as 0.
QByteArray ico(const std::vector<QByteArray> &pngs)
{
    QByteArray out;
    const auto put16 = [&out](int v) {
        out.append(static_cast<char>(v & 0xff));
        out.append(static_cast<char>((v >> 8) & 0xff));
    };
    const auto put32 = [&](qsizetype v) {
        put16(static_cast<int>(v & 0xffff));
        put16(static_cast<int>((v >> 16) & 0xffff));
    };
    put16(0);
    put16(1); // an icon, not a cursor
    put16(static_cast<int>(pngs.size()));
    qsizetype offset = 6 + 16 * static_cast<qsizetype>(pngs.size());
    for (std::size_t i = 0; i < pngs.size(); ++i) {
        const int size = kPngSizes[i] % 256;
        out.append(static_cast<char>(size));
        out.append(static_cast<char>(size));
        out.append('\0'); // no palette
        out.append('\0');
        put16(1);  // colour planes
        put16(32); // bits per pixel
        put32(pngs[i].size());
        put32(offset);
        offset += pngs[i].size();
    }
    for (const QByteArray &png : pngs)
        out.append(png);
    return out;
}

// The icon at `size` as a PNG file in `out`; its bytes, none when it could not be written.
QByteArray writePng(const QDir &out, int size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    png(size).save(&buffer, "PNG");
    const QString name = out.filePath(QStringLiteral("korvane-%1.png").arg(size));
    QFile file(name);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", qPrintable(name));
        return {};
    }
    return bytes;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: make_icon OUT_DIR\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists()) {
        std::fprintf(stderr, "make_icon: no such directory: %s\n", argv[1]);
        return 1;
    }
    QFile svgFile(out.filePath(QStringLiteral("korvane.svg")));
    if (!svgFile.open(QIODevice::WriteOnly) || svgFile.write(svg().toUtf8()) < 0) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", qPrintable(svgFile.fileName()));
        return 1;
    }
    std::vector<QByteArray> pngs;
    for (int size : kPngSizes) {
        pngs.push_back(writePng(out, size));
        if (pngs.back().isEmpty())
            return 1;
    }
    for (int size : kPageSizes)
        if (writePng(out, size).isEmpty())
            return 1;
    QFile icoFile(out.filePath(QStringLiteral("korvane.ico")));
    const QByteArray icoBytes = ico(pngs);
    if (!icoFile.open(QIODevice::WriteOnly) || icoFile.write(icoBytes) != icoBytes.size()) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", qPrintable(icoFile.fileName()));
        return 1;
    }
    return 0;
}
