#include "Artwork.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>

namespace {

// ---- Palette ----
const QColor ink(0xF2, 0xF5, 0xFA);     // neutral figures and headings
const QColor gain(0x5C, 0xA8, 0xFF);    // gains, as the chart's rising candles (blue)
const QColor loss(0xFF, 0x5E, 0x5E);    // losses, as the chart's falling candles (red)
const QColor caption(0x93, 0xA9, 0xC4); // captions and units
const QColor accent(0xE8, 0xB6, 0x4C);  // titles
const QColor panelFill(0x17, 0x2A, 0x44);
const QColor panelEdge(0x2F, 0x4B, 0x70);
const QColor pageTop(0x10, 0x1E, 0x33);
const QColor pageBottom(0x08, 0x10, 0x1D);

const char* pairNames[16] = {"EURUSD", "GBPUSD", "USDCHF", "USDJPY", "EURGBP", "EURCHF", "EURJPY", "GBPCHF",
                             "GBPJPY", "CHFJPY", "USDCAD", "EURCAD", "AUDUSD", "AUDJPY", "NZDUSD", "NZDJPY"};
const char* stepNames[14] = {"1分足",   "2分足",    "5分足", "10分足", "30分足", "1時間足", "2時間足",
                             "6時間足", "12時間足", "1日足", "2日足",  "7日足",  "15日足",  "30日足"};
const char* scaleNames[6] = {"1分間", "5分間", "30分間", "1時間", "6時間", "1日間"};

QFont uiFont(int pixelSize, bool bold = false) {
    QFont f(QStringLiteral("IPAPGothic"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QFont digitFont(int pixelSize) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

QImage canvas(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void text(QPainter& p, const QRectF& box, const QString& s, int size, const QColor& color,
          int flags = Qt::AlignLeft | Qt::AlignVCenter, bool bold = false) {
    p.setFont(uiFont(size, bold));
    p.setPen(color);
    p.drawText(box, flags, s);
}

void pageBackground(QPainter& p, int w, int h) {
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, pageTop);
    g.setColorAt(1, pageBottom);
    p.fillRect(0, 0, w, h, g);
}

void panel(QPainter& p, const QRectF& r, const QColor& fill = panelFill) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(panelEdge, 1));
    p.setBrush(fill);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
}

void hline(QPainter& p, double x1, double x2, double y, const QColor& c, double width = 1) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(c, width));
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
}

QImage toStraightAlpha(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

// ---- numbering.png: three colour rows 100 pixels apart, glyph cells of three sizes ----

QImage makeNumbering() {
    struct Size {
        int w, h, offset, pixels;
    };
    const Size sizes[3] = {{13, 20, 0, 17}, {19, 28, 19, 25}, {30, 45, 46, 41}};
    const QColor colors[3] = {ink, gain, loss};
    QImage image = canvas(11 * 30, 300);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    for (int v = 0; v < 3; ++v) {
        for (const Size& s : sizes) {
            const QFont font = digitFont(s.pixels);
            const QFontMetricsF metrics(font);
            for (int k = 0; k <= 10; ++k) {
                // The drawable cell leaves its last column and row empty.
                const QRectF cell(k * s.w, 100 * v + s.offset, s.w - 1, s.h - 1);
                p.save();
                p.setClipRect(cell);
                if (k == 10) {
                    const double barH = std::max(2.0, s.h * 0.11);
                    const QRectF bar(cell.left() + cell.width() * 0.18, cell.center().y() - barH / 2,
                                     cell.width() * 0.64, barH);
                    p.fillRect(bar.translated(1, 1), QColor(0, 0, 0, 140));
                    p.fillRect(bar, colors[v]);
                } else {
                    const QString digit = QString::number(k);
                    const QRectF ink = metrics.tightBoundingRect(QStringLiteral("0123456789"));
                    const double x = cell.left() + (cell.width() - metrics.horizontalAdvance(digit)) / 2;
                    const double y = cell.top() + (cell.height() - ink.height()) / 2 - ink.top();
                    QPainterPath path;
                    path.addText(QPointF(x, y), font, digit);
                    p.fillPath(path.translated(1, 1), QColor(0, 0, 0, 150));
                    p.fillPath(path, colors[v]);
                }
                p.restore();
            }
        }
    }
    return toStraightAlpha(image);
}

// ---- plane_parts.png: pair labels (columns 0–98) and time-step labels (columns 99–217), rows of 18 ----

void labelTile(QPainter& p, const QRectF& r, const QString& s, const QColor& fill) {
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, fill.lighter(125));
    g.setColorAt(1, fill);
    p.setPen(QPen(fill.lighter(160), 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    text(p, r, s, 12, ink, Qt::AlignCenter, true);
}

QImage makeParts() {
    QImage image = canvas(218, 18 * 16);
    QPainter p(&image);
    for (int k = 0; k < 16; ++k) {
        labelTile(p, QRectF(0, 18 * k, 99, 17), pairNames[k], QColor(0x24, 0x4C, 0x86));
    }
    for (int k = 0; k < 14; ++k) {
        labelTile(p, QRectF(99, 18 * k, 119, 17), QString::fromUtf8(stepNames[k]), QColor(0x6B, 0x4A, 0x1F));
    }
    return toStraightAlpha(image);
}

// ---- Score board pages (770 × 410) ----

constexpr int pageW = 770, pageH = 410;

QImage makeToday() {
    QImage image = canvas(pageW, pageH);
    QPainter p(&image);
    pageBackground(p, pageW, pageH);
    panel(p, QRectF(8, 8, 290, 394));
    text(p, QRectF(20, 20, 120, 24), QStringLiteral("今回のテスト"), 14, accent, Qt::AlignLeft | Qt::AlignVCenter,
         true);
    text(p, QRectF(140, 22, 60, 20), QStringLiteral("No."), 13, caption, Qt::AlignRight | Qt::AlignVCenter);
    hline(p, 18, 288, 52, panelEdge);

    text(p, QRectF(30, 64, 100, 18), QStringLiteral("ペア"), 11, caption);
    text(p, QRectF(166, 64, 120, 18), QStringLiteral("タイムスケール"), 11, caption);

    text(p, QRectF(20, 124, 130, 18), QStringLiteral("収支 (円)"), 11, caption);
    text(p, QRectF(160, 124, 130, 18), QStringLiteral("スプレッド込み (円)"), 11, caption);
    for (double x : {20.0, 160.0}) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRoundedRect(QRectF(x, 146, 128, 34), 4, 4);
    }
    hline(p, 18, 288, 190, panelEdge);

    // Win rates: % at 43, then win, loss and even counts at 140, 187 and 235.
    text(p, QRectF(20, 194, 70, 16), QStringLiteral("勝率"), 11, caption);
    text(p, QRectF(140, 194, 30, 16), QStringLiteral("勝"), 11, caption);
    text(p, QRectF(187, 194, 30, 16), QStringLiteral("敗"), 11, caption);
    text(p, QRectF(235, 194, 40, 16), QStringLiteral("引分"), 11, caption);
    for (int y : {213, 238}) {
        text(p, QRectF(84, y, 20, 20), QStringLiteral("%"), 13, caption);
        text(p, QRectF(20, y, 22, 20), y == 213 ? QStringLiteral("素") : QStringLiteral("込"), 11, caption,
             Qt::AlignLeft | Qt::AlignVCenter);
    }
    text(p, QRectF(110, 262, 180, 14), QStringLiteral("素: スプレッド抜き  込: スプレッド込み"), 10, caption,
         Qt::AlignRight | Qt::AlignVCenter);
    hline(p, 18, 288, 282, panelEdge);

    text(p, QRectF(20, 286, 270, 16), QStringLiteral("プロフィットファクター (×100)"), 11, caption);
    text(p, QRectF(20, 307, 22, 20), QStringLiteral("素"), 11, caption);
    text(p, QRectF(140, 307, 22, 20), QStringLiteral("込"), 11, caption);
    hline(p, 18, 288, 338, panelEdge);
    text(p, QRectF(20, 343, 270, 16), QStringLiteral("レーティング (0〜100)"), 11, caption);

    // The sessions: four rows of five, one row per distance ahead.
    text(p, QRectF(310, 12, 300, 22), QStringLiteral("セッション別収支 (円)"), 14, accent,
         Qt::AlignLeft | Qt::AlignVCenter, true);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 5; ++c) {
            const QRectF cell(306 + 88 * c, 38 + 96 * r, 86, 84);
            panel(p, cell);
            text(p, QRectF(cell.left() + 6, cell.top() + 3, 40, 16), QStringLiteral("Q%1").arg(5 * r + c + 1), 11,
                 accent);
            text(p, QRectF(cell.left(), cell.bottom() - 22, cell.width() - 6, 18),
                 QStringLiteral("%1 Bar 先").arg(10 * (r + 1)), 10, caption, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    return toStraightAlpha(image);
}

QImage makeTotal() {
    QImage image = canvas(pageW, pageH);
    QPainter p(&image);
    pageBackground(p, pageW, pageH);
    text(p, QRectF(24, 2, 250, 24), QStringLiteral("これまでの成績"), 14, accent, Qt::AlignLeft | Qt::AlignVCenter,
         true);
    text(p, QRectF(300, 4, 90, 20), QStringLiteral("スプレッド抜き"), 11, caption, Qt::AlignRight | Qt::AlignVCenter);
    text(p, QRectF(520, 4, 110, 20), QStringLiteral("スプレッド込み"), 11, caption, Qt::AlignRight | Qt::AlignVCenter);
    const char* labels[9] = {
        "テスト回数",     "総収支",      "勝率", "勝ち", "負け", "引き分け", "プロフィットファクター",
        "ペイオフレシオ", "レーティング"};
    const char* units[9] = {"回", "円", "%", "回", "回", "回", "×100", "×100", "/ 100"};
    for (int k = 0; k < 9; ++k) {
        const QRectF band(12, 25 + 40 * k, 746, 36);
        panel(p, band, k % 2 == 0 ? panelFill : panelFill.darker(115));
        text(p, QRectF(28, band.top(), 240, band.height()), QString::fromUtf8(labels[k]), 14, ink);
        const bool single = k == 0 || k == 8;
        text(p, QRectF(392, band.top(), 70, band.height()), QString::fromUtf8(units[k]), 12, caption);
        if (!single) {
            text(p, QRectF(632, band.top(), 70, band.height()), QString::fromUtf8(units[k]), 12, caption);
        }
    }
    return toStraightAlpha(image);
}

// The two tables share their grid: pairs in rows of 22 from y 42, time scales in columns of 102 from x 130.
QImage makeTable(const QString& title, const QString& legend) {
    QImage image = canvas(pageW, pageH);
    QPainter p(&image);
    pageBackground(p, pageW, pageH);
    text(p, QRectF(12, 6, 118, 30), title, 12, accent, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, true);
    for (int t = 0; t < 6; ++t) {
        text(p, QRectF(130 + 102 * t, 10, 102, 26), QString::fromUtf8(scaleNames[t]), 13, ink, Qt::AlignCenter, true);
    }
    for (int r = 0; r < 16; ++r) {
        const QRectF band(8, 42 + 22 * r, 736, 22);
        p.fillRect(band, r % 2 == 0 ? QColor(255, 255, 255, 16) : QColor(0, 0, 0, 0));
        text(p, QRectF(20, band.top(), 104, band.height()), pairNames[r], 12, ink, Qt::AlignLeft | Qt::AlignVCenter,
             true);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(panelEdge, 1));
    for (int t = 0; t <= 6; ++t) {
        p.drawLine(130 + 102 * t, 38, 130 + 102 * t, 394);
    }
    hline(p, 8, 744, 40, panelEdge.lighter(130));
    text(p, QRectF(130, 395, 612, 15), legend, 10, caption, Qt::AlignRight | Qt::AlignVCenter);
    return toStraightAlpha(image);
}

// Bar pages: the bars grow from y 340 up to y 42 for a rating of 100.
QImage makeBars(const QString& title, const std::vector<std::pair<int, int>>& places,
                const std::vector<QStringList>& names) {
    QImage image = canvas(pageW, pageH);
    QPainter p(&image);
    pageBackground(p, pageW, pageH);
    const double left = 64, right = 748;
    for (int v = 0; v <= 100; v += 10) {
        const double y = 340 - 2.98 * v;
        const bool major = v % 50 == 0;
        hline(p, left, right, y, v == 50 ? accent.darker(130) : (major ? panelEdge.lighter(130) : panelEdge));
        if (v % 25 == 0 || v % 10 == 0) {
            text(p, QRectF(16, y - 8, 42, 16), QString::number(v), 11, v == 50 ? accent : caption,
                 Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    for (size_t i = 0; i < places.size(); ++i) {
        const QRectF slot(places[i].first, 42, places[i].second - places[i].first, 298);
        p.fillRect(slot, QColor(255, 255, 255, 14));
        const QStringList& lines = names[i];
        for (int l = 0; l < lines.size(); ++l) {
            text(p, QRectF(slot.left() - 12, 344 + 14 * l, slot.width() + 24, 14), lines[l], 11, ink, Qt::AlignCenter);
        }
    }
    hline(p, left, right, 340, caption);
    text(p, QRectF(16, 382, 740, 24), title, 13, accent, Qt::AlignCenter, true);
    return toStraightAlpha(image);
}

QImage makePairBars() {
    std::vector<std::pair<int, int>> places;
    std::vector<QStringList> names;
    for (int k = 0; k < 16; ++k) {
        places.emplace_back(90 + 39 * k, 119 + 39 * k);
        const QString n = pairNames[k];
        names.push_back({n.left(3), n.mid(3)});
    }
    return makeBars(QStringLiteral("ペア別 平均レーティング"), places, names);
}

QImage makeTimeStepBars() {
    std::vector<std::pair<int, int>> places;
    std::vector<QStringList> names;
    for (int t = 0; t < 6; ++t) {
        places.emplace_back(100 + 106 * t, 186 + 106 * t);
        names.push_back({QString::fromUtf8(scaleNames[t])});
    }
    return makeBars(QStringLiteral("タイムスケール別 平均レーティング"), places, names);
}

QImage makeBarAfterBars() {
    std::vector<std::pair<int, int>> places;
    std::vector<QStringList> names;
    for (int k = 0; k < 4; ++k) {
        places.emplace_back(92 + 168 * k, 220 + 168 * k);
        names.push_back({QStringLiteral("%1 Bar 先").arg(10 * (k + 1))});
    }
    return makeBars(QStringLiteral("予測先バー数別 平均レーティング"), places, names);
}

// ---- Result cards: text from x 94, lines at y 80 (large) and 126 to 236 ----

QImage makeCard(const QColor& top, const QColor& bottom, const QString& verdict, const QString& word,
                const QString& symbol) {
    const int w = 400, h = 268;
    QImage image = canvas(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(top.lighter(150), 2));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), 14, 14);
    // A gloss over the header.
    QLinearGradient gloss(0, 0, 0, 70);
    gloss.setColorAt(0, QColor(255, 255, 255, 60));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(QRectF(3, 3, w - 6, 66), 12, 12);

    text(p, QRectF(22, 12, 220, 40), verdict, 30, ink, Qt::AlignLeft | Qt::AlignVCenter, true);
    text(p, QRectF(22, 48, 220, 20), word, 13, ink.darker(115), Qt::AlignLeft | Qt::AlignVCenter, true);
    p.setFont(uiFont(58, true));
    p.setPen(QColor(255, 255, 255, 200));
    p.drawText(QRectF(w - 110, 4, 96, 70), Qt::AlignCenter, symbol);

    const QColor label(255, 255, 255, 170);
    text(p, QRectF(22, 80, 68, 36), QStringLiteral("収支"), 12, label);
    text(p, QRectF(22, 126, 68, 18), QStringLiteral("回答"), 12, label);
    text(p, QRectF(22, 150, 68, 18), QStringLiteral("約定"), 12, label);
    text(p, QRectF(22, 174, 68, 18), QStringLiteral("決済"), 12, label);
    hline(p, 20, w - 20, 202, QColor(255, 255, 255, 70));
    text(p, QRectF(22, 212, 68, 18), QStringLiteral("勝率"), 12, label);
    text(p, QRectF(22, 236, 68, 18), QStringLiteral("総収支"), 12, label);
    return toStraightAlpha(image);
}

QImage makePrompt() {
    const int w = 498, h = 77;
    QImage image = canvas(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(0xE8, 0xB6, 0x4C, 200), 1.5));
    p.setBrush(QColor(8, 16, 30, 215));
    p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), 12, 12);
    text(p, QRectF(24, 6, 200, 18), QStringLiteral("QUESTION"), 12, accent, Qt::AlignLeft | Qt::AlignVCenter, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 22));
    p.drawRoundedRect(QRectF(18, 25, w - 36, 27), 6, 6);
    text(p, QRectF(24, 54, w - 48, 16), QStringLiteral("LONG / SHORT / STAY で答えてください"), 11, caption,
         Qt::AlignRight | Qt::AlignVCenter);
    return toStraightAlpha(image);
}

QImage makeQuestionBackground() {
    const int w = 800, h = 600;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(0x12, 0x20, 0x36));
    g.setColorAt(1, QColor(0x05, 0x0A, 0x13));
    p.fillRect(0, 0, w, h, g);
    QRadialGradient glow(w * 0.5, h * 0.45, w * 0.6);
    glow.setColorAt(0, QColor(0x2A, 0x4A, 0x7A, 70));
    glow.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(0, 0, w, h, glow);
    return image;
}

QImage makeMask() {
    const int w = 1920, h = 1200;
    QImage image = canvas(w, h);
    QPainter p(&image);
    QLinearGradient gloss(0, 0, 0, 36);
    gloss.setColorAt(0, QColor(255, 255, 255, 26));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(0, 0, w, 36, gloss);
    p.setFont(uiFont(13, true));
    p.setPen(QColor(255, 255, 255, 38));
    p.drawText(QPointF(86, 56), QStringLiteral("Quorvane"));
    return toStraightAlpha(image);
}

} // namespace

std::map<QString, QImage> makeArtwork() {
    return {
        {QStringLiteral("numbering.png"), makeNumbering()},
        {QStringLiteral("plane_parts.png"), makeParts()},
        {QStringLiteral("plane_qu.png"), makeQuestionBackground()},
        {QStringLiteral("plane_today.png"), makeToday()},
        {QStringLiteral("plane_total.png"), makeTotal()},
        {QStringLiteral("plane_table.png"),
         makeTable(QStringLiteral("平均レーティング"), QStringLiteral("青: 65 超  赤: 35 未満  (0〜100)"))},
        {QStringLiteral("plane_maxprofit.png"),
         makeTable(QStringLiteral("最高収益 (円)"), QStringLiteral("1 テストの総収支の最高額"))},
        {QStringLiteral("plane_pair.png"), makePairBars()},
        {QStringLiteral("plane_timestep.png"), makeTimeStepBars()},
        {QStringLiteral("plane_barafter.png"), makeBarAfterBars()},
        {QStringLiteral("plane_bgmask.png"), makeMask()},
        {QStringLiteral("plane_correct.png"),
         makeCard(QColor(0x2A, 0x6B, 0xD1), QColor(0x0C, 0x27, 0x5A), QStringLiteral("WIN"), QStringLiteral("正解"),
                  QStringLiteral("○"))},
        {QStringLiteral("plane_wrong.png"),
         makeCard(QColor(0xC8, 0x32, 0x32), QColor(0x4E, 0x0B, 0x0B), QStringLiteral("LOSE"), QStringLiteral("不正解"),
                  QStringLiteral("×"))},
        {QStringLiteral("plane_even.png"),
         makeCard(QColor(0x5B, 0x6B, 0x78), QColor(0x20, 0x28, 0x30), QStringLiteral("EVEN"),
                  QStringLiteral("引き分け"), QStringLiteral("△"))},
        {QStringLiteral("plane_prompt.png"), makePrompt()},
    };
}
