// SPDX-License-Identifier: GPL-3.0-or-later
#include "length_hint.h"

#include "design.h"

#include <QLineEdit>
#include <algorithm>

using namespace dorvane;

namespace
{

const QColor outOfRangeColour(255, 170, 170);
const QColor partlyReadColour(255, 225, 140);

// A part of the typed text as the explanation quotes it: blanks run together, and a part of
// over 20 characters cut with "…" (a pasted text may run to megabytes).
QString quoted(std::string_view utf8Part)
{
    constexpr int Longest = 20;
    const std::string_view head = utf8Part.substr(0, 4 * Longest + 4);
    QString part = QString::fromUtf8(head).simplified();
    if (part.size() > Longest || head.size() < utf8Part.size())
        part = part.left(Longest) + QStringLiteral("…");
    return part;
}

} // namespace

LengthHint::LengthHint(QLineEdit *lengthBox, bool commaTaken, QWidget *window)
    : QLabel(window ? window : lengthBox->parentWidget()), box(lengthBox), commaTaken(commaTaken)
{
    setObjectName(QStringLiteral("IndicationLongueur"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    // Small type in the gap between the top line and the table, over which it barely reaches.
    design::setFont(this, design::font("Arial", 7.5));
    setContentsMargins(2, 0, 2, 0);
    design::setBackground(this, design::tooltipBackground());
    QPalette text = palette();
    text.setColor(QPalette::WindowText, QPalette().color(QPalette::ToolTipText));
    setPalette(text);
    boxDescription = box->accessibleDescription();
    hide();
}

QString LengthHint::explanation(std::string_view text, const StoredLength &stored, bool commaTaken)
{
    const std::string_view read = text.substr(0, std::min(stored.reading.stop, text.size()));
    const std::string_view rest = text.substr(read.size());
    if (stored.state == LengthState::OutOfRange)
        return QStringLiteral("Lu : %1 — hors limites : la longueur est 0").arg(quoted(read));
    if (stored.state == LengthState::Valid)
        return QString();
    if (!stored.reading.digits)
        return QStringLiteral("Aucun nombre au début : la longueur est 0");
    QString said = QStringLiteral("Lu : %1 — « %2 » est ignoré").arg(quoted(read), quoted(rest));
    if (!rest.empty() && rest.front() == ',' && !commaTaken)
        said += QStringLiteral(" : les décimales se séparent par un point");
    return said;
}

void LengthHint::explain(std::string_view text, const StoredLength &stored)
{
    if (stored.state != shown) {
        shown = stored.state;
        QColor colour = box->palette().color(QPalette::HighlightedText);
        if (shown == LengthState::OutOfRange)
            colour = outOfRangeColour;
        else if (shown == LengthState::PartlyRead)
            colour = partlyReadColour;
        design::setBackground(box, colour);
    }
    const QString said = explanation(text, stored, commaTaken);
    if (said == this->text() && isHidden() == said.isEmpty())
        return;
    setText(said);
    box->setToolTip(said);
    box->setAccessibleDescription(said.isEmpty() ? boxDescription : said);
    if (said.isEmpty()) {
        hide();
        return;
    }
    // Just under the box, moved left as far as needed to stay within the window.
    const QSize size = sizeHint();
    const int right = parentWidget()->width() - 2;
    const QPoint under = box->mapTo(parentWidget(), QPoint(0, box->height()));
    const int left = std::max(0, std::min(under.x(), right - size.width()));
    setGeometry(left, under.y(), std::min(size.width(), right), size.height());
    raise();
    show();
}
