// SPDX-License-Identifier: GPL-3.0-or-later
// The tuning window of a scale of any tuning: its file, its length, read as the main window
// reads one, its number of frets, remembered for the next session, and the open string's
// frequency of every table.
#include "tuning_window.h"

#include "length_hint.h"
#include "number_field.h"
#include "regional.h"
#include "remembered.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace dorvane;

// A scale in the window: two periods of frets at first; the file shown last on the length and
// with the frets it had.
void TuningWindow::showScale(ScalaScale shown, const QString &path)
{
    scale = std::move(shown);
    scalePath = path;
    QStringList names{QStringLiteral("1/1")};
    for (std::size_t d = 0; d + 1 < scale->degrees.size(); ++d)
        names << QString::fromStdString(scale->degrees[d].label());
    showDegrees(DegreesOf(*scale), names);
    Fichier->setText(path.isEmpty()
                         ? QString()
                         : QStringLiteral("Fichier : %1").arg(QFileInfo(path).fileName()));
    Fichier->setToolTip(QDir::toNativeSeparators(path));
    Fichier->setVisible(!path.isEmpty());
    Longueur->hide();
    ChampsGamme->show();
    if (!Gabarit->isVisibleTo(this)) {
        // Before the Scala export, as in every window of a scale of any tuning.
        QPushButton *exporter = findChild<QPushButton *>(QStringLiteral("ExporterScala"));
        buttons->removeButton(exporter);
        buttons->addButton(Gabarit, QDialogButtonBox::ActionRole);
        buttons->addButton(exporter, QDialogButtonBox::ActionRole);
        Gabarit->show();
    }
    for (QAction *action : commands) {
        if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_G))
            action->setVisible(true);
    }
    const QSignalBlocker quiet(Frettes);
    Frettes->setValue(std::min(2 * int(scale->degrees.size()), MostFrets));
    if (const auto last = tuning::lastScala(); last && !path.isEmpty() && last->file == path) {
        LongueurVibrante->setText(last->length);
        if (last->frets > 0)
            Frettes->setValue(last->frets);
    }
    if (!path.isEmpty())
        tuning::rememberScala({path, LongueurVibrante->text(), Frettes->value()});
    scaleSettingsChanged();
}

// The table again, for the length read and the number of frets asked. The length is read as
// the main window reads its own, but for the comma, which this window takes too: a text read
// in part is taken as far as it was read and said beside the box, as is one out of range.
void TuningWindow::scaleSettingsChanged()
{
    const std::string text = LongueurVibrante->text().toStdString();
    length = DecimalFromText(text);
    lengthHint->explain(text, length);
    showTable(TableOf(*scale, length.value, Frettes->value()));
}

// The frets' frequencies from the open string's, in a column of their own, or none.
void TuningWindow::frequencyChanged()
{
    const auto hertz = FrequenceAVide->value();
    const QString problem = FrequenceAVide->problem();
    FrequenceAVide->setToolTip(problem.isEmpty() ? FrequenceAVide->accessibleDescription()
                                                 : problem);
    openFrequency = hertz ? std::optional<double>(DoubleFromCurrency(*hertz)) : std::nullopt;
    showTable(table);
}

// Closed, the window keeps the file shown with its length and its frets for the next time.
void TuningWindow::done(int result)
{
    if (scale && !scalePath.isEmpty())
        tuning::rememberScala({scalePath, LongueurVibrante->text(), Frettes->value()});
    QDialog::done(result);
}
