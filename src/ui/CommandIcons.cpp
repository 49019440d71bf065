#include "ui/CommandIcons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

#include <functional>

#include "ui/QtText.h"

namespace tabrix {

namespace {

constexpr int kSize = 16;
const QColor kInk(40, 40, 40);
const QColor kBlue(30, 90, 180);

QIcon Drawn(const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(kSize * scale, kSize * scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        draw(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// One or two characters on a tinted tile: the conversion commands.
QIcon Glyph(std::string_view cp932, QColor tile) {
    const QString text = ToQ(cp932);
    return Drawn([text, tile](QPainter& p) {
        p.setPen(tile.darker(140));
        p.setBrush(tile);
        p.drawRoundedRect(QRectF(0.5, 0.5, kSize - 1, kSize - 1), 3, 3);
        QFont font = QApplication::font();
        font.setPixelSize(text.size() > 1 ? 8 : 12);
        font.setBold(true);
        p.setFont(font);
        p.setPen(kInk);
        p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, text);
    });
}

QIcon Page(bool second) {
    return Drawn([second](QPainter& p) {
        p.setPen(kInk);
        p.setBrush(Qt::white);
        if (second) p.drawRect(QRectF(5.5, 1.5, 9, 11));
        p.drawRect(QRectF(1.5, second ? 4.5 : 1.5, 9, 11));
    });
}

QIcon Scissors() {
    return Drawn([](QPainter& p) {
        p.setPen(QPen(kInk, 1.4));
        p.drawLine(QPointF(4, 1), QPointF(10.5, 10));
        p.drawLine(QPointF(12, 1), QPointF(5.5, 10));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(4.5, 12.5), 2.5, 2.5);
        p.drawEllipse(QPointF(11.5, 12.5), 2.5, 2.5);
    });
}

QIcon Clipboard() {
    return Drawn([](QPainter& p) {
        p.setPen(kInk);
        p.setBrush(QColor(200, 160, 90));
        p.drawRect(QRectF(2.5, 2.5, 11, 12));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 5.5, 7, 7));
        p.setBrush(QColor(120, 120, 120));
        p.drawRect(QRectF(5.5, 1.5, 5, 2));
    });
}

QIcon Printer() {
    return Drawn([](QPainter& p) {
        p.setPen(kInk);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(QRectF(1.5, 6.5, 13, 6));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
    });
}

// Page turning: triangles pointing left or right, with a bar at the far end.
QIcon Turn(bool forward, bool toEnd) {
    return Drawn([forward, toEnd](QPainter& p) {
        p.save();
        if (!forward) {
            p.translate(kSize, 0);
            p.scale(-1, 1);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        QPainterPath arrow;
        arrow.moveTo(4, 3);
        arrow.lineTo(11, 8);
        arrow.lineTo(4, 13);
        arrow.closeSubpath();
        p.drawPath(arrow);
        if (toEnd) p.drawRect(QRectF(11.5, 3, 2, 10));
        p.restore();
    });
}

QIcon Funnel() {
    return Drawn([](QPainter& p) {
        p.setPen(kInk);
        p.setBrush(QColor(90, 160, 220));
        QPainterPath path;
        path.moveTo(1.5, 2.5);
        path.lineTo(14.5, 2.5);
        path.lineTo(9.5, 8.5);
        path.lineTo(9.5, 14.5);
        path.lineTo(6.5, 12.5);
        path.lineTo(6.5, 8.5);
        path.closeSubpath();
        p.drawPath(path);
    });
}

QIcon CheckMark() {
    return Drawn([](QPainter& p) {
        p.setPen(kInk);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setPen(QPen(QColor(30, 150, 60), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(4, 8), QPointF(7, 11), QPointF(12, 4)}));
    });
}

QIcon Jump() {
    return Drawn([](QPainter& p) {
        p.setPen(QPen(kBlue, 1.8));
        p.drawLine(QPointF(2, 3), QPointF(2, 13));
        p.drawLine(QPointF(5, 8), QPointF(13, 8));
        p.drawLine(QPointF(10, 5), QPointF(13, 8));
        p.drawLine(QPointF(10, 11), QPointF(13, 8));
    });
}

QIcon Standard(QStyle::StandardPixmap pixmap) { return QApplication::style()->standardIcon(pixmap); }

}  // namespace

QIcon CommandIcon(CommandId id) {
    const QColor conv(255, 236, 170);
    const QColor kana(214, 236, 255);
    switch (id) {
        case CommandId::FileNew: return Page(false);
        case CommandId::FileOpen: return Standard(QStyle::SP_DirOpenIcon);
        case CommandId::FileSave: return Standard(QStyle::SP_DialogSaveButton);
        case CommandId::EditCut: return Scissors();
        case CommandId::EditCopy: return Page(true);
        case CommandId::EditPaste: return Clipboard();
        case CommandId::FilePrint: return Printer();
        case CommandId::PageFirst: return Turn(false, true);
        case CommandId::PagePrev: return Turn(false, false);
        case CommandId::PageNext: return Turn(true, false);
        case CommandId::PageLast: return Turn(true, true);
        case CommandId::JumpToRow: return Jump();
        case CommandId::Filter: return Funnel();
        case CommandId::DataCheck: return CheckMark();
        case CommandId::Help: return Standard(QStyle::SP_DialogHelpButton);
        case CommandId::About: return Standard(QStyle::SP_MessageBoxInformation);
        case CommandId::ConvUpper: return Glyph("A", conv);
        case CommandId::ConvLower: return Glyph("a", conv);
        case CommandId::ConvHalfKanaToFull: return Glyph("ｶ>", kana);
        case CommandId::ConvHalfToFull: return Glyph("全", conv);
        case CommandId::ConvFullToHalf: return Glyph("半", conv);
        case CommandId::ConvHiraganaToKatakana: return Glyph("ア", kana);
        case CommandId::ConvKatakanaToHiragana: return Glyph("あ", kana);
        case CommandId::ConvQuote: return Glyph("\"A\"", conv);
        case CommandId::ConvUnquote: return Glyph("\"\"", kana);
        default: return {};
    }
}

}  // namespace tabrix
