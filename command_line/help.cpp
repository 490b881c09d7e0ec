// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's options, declared once with their French descriptions, and the help that
// is made of them.
#include "failures.h"
#include "request.h"

using namespace dorvane;

namespace command_line
{

namespace
{

// The list's entries, one a line, and the system with modes with its notes.
QString scaleLines()
{
    QString lines;
    for (const ScaleSystem &system : scales::Systems)
        lines += QStringLiteral("\n« %1 »").arg(QString::fromUtf8(system.name));
    return lines;
}

QString modesLine()
{
    return QStringLiteral("pour %1 : de 0 à 6, ou sa note,\n%2 (0 par défaut)")
        .arg(output::systemsWithModes(), output::modeNotes());
}

QCommandLineOption option(const QStringList &names, const QString &description,
                          const QString &value = QString())
{
    return QCommandLineOption(names, description, value);
}

// "  --scale GAMME    la gamme…", the description's further lines under its first.
QString optionLines(const QCommandLineOption &option)
{
    constexpr int Column = 17;
    QStringList names;
    for (const QString &name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString label = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        label += QLatin1Char(' ') + option.valueName();
    const QString indent(Column + 2, QLatin1Char(' '));
    QString text = QStringLiteral("  ") + label;
    text += label.size() < Column ? QString(Column - label.size(), QLatin1Char(' '))
                                  : QLatin1Char('\n') + indent;
    return text + option.description().replace(QLatin1Char('\n'), QLatin1Char('\n') + indent) +
           QLatin1Char('\n');
}

// The fingerboard's, which the help gives after the template's widths.
QList<QCommandLineOption> boardOptions()
{
    return {
        option({"strings"},
               "le nombre de cordes, de 1 (par défaut, la bande) à 24 : de 2 à 24,\n"
               "le gabarit est le manche, les cordes numérotées de la plus aiguë (1)\n"
               "à la plus grave, et --table donne la position de chaque frette sur\n"
               "chaque corde",
               "N"),
        option({"bass-length"},
               "avec --strings : la longueur de la corde la plus grave, pour un\n"
               "manche en éventail (celle de --length par défaut : un manche droit)",
               "LONGUEUR"),
        option({"perpendicular"},
               "avec --strings : la frette perpendiculaire à l'axe, de 0 (le sillet,\n"
               "par défaut) à la dernière ; 7.5 tombe entre les frettes 7 et 8",
               "P"),
        option({"nut-span"},
               "avec --strings : l'écartement des cordes extrêmes au sillet, d'axe à\n"
               "axe, dans l'unité (35 mm par défaut)",
               "ÉCART"),
        option({"bridge-span"}, "avec --strings : leur écartement au chevalet (52.5 mm par défaut)",
               "ÉCART"),
        option({"overhang"},
               "avec --strings : le débord de la touche au-delà des cordes extrêmes\n"
               "(3.5 mm par défaut)",
               "DÉBORD"),
        option({"board-end"},
               "avec --strings : la touche au-delà de la dernière frette (0 par défaut)",
               "LONGUEUR"),
        option({"left-handed"}, "avec --strings : le manche d'un gaucher, en miroir"),
        option({"tuning"},
               "avec --strings : le degré de la gamme de chaque corde à vide, de la\n"
               "corde 1 à la dernière, par ses notes (\"Mi Si Sol Ré La Mi\") ou ses\n"
               "numéros de 0 à n - 1 (4,11,7,2,9,4) ; chaque corde a ses frettes",
               "DEGRÉS"),
    };
}

} // namespace

const QList<QCommandLineOption> &options()
{
    static const QList<QCommandLineOption> declared = [] {
        QList<QCommandLineOption> list = {
            option({"table"}, "écrit le tableau des frettes : une ligne « Frette », « Position »,\n"
                              "« Note », puis une ligne par frette depuis le sillet, en colonnes\n"
                              "séparées par des tabulations"),
            option({"details"}, "avec --table : les colonnes de l'accord, « Frette », « Note »,\n"
                                "« Intervalle », « Cents », « Écart au tempéré », « Position »,\n"
                                "« Depuis la frette précédente »"),
            option({"export"},
                   "écrit le gabarit 1:1 ; l'extension choisit le format : .pdf (les\n"
                   "pages à imprimer à 100 %), .svg ou .dxf (pour les machines) ;\n"
                   "ou l'accord en fichier Scala, .scl (sans --length)",
                   "FICHIER"),
            option({"scale"},
                   QStringLiteral("la gamme, écrite comme la liste l'écrit (majuscules ou non) :") +
                       scaleLines(),
                   "GAMME"),
            option({"scl"},
                   "au lieu de --scale : une gamme d'un fichier Scala (.scl), deux\n"
                   "périodes de frettes sauf --frets",
                   "FICHIER"),
            option({"edo"}, "au lieu de --scale : N divisions égales de l'octave, de 1 à 1000",
                   "N"),
            option({"frets"}, "avec --scl ou --edo : le nombre de frettes, de 1 à 500", "K"),
            option({"length"},
                   "la longueur vibrante, lue comme dans la fenêtre : le point « . »\n"
                   "sépare les décimales (647.7) ; un texte lu en partie est refusé",
                   "LONGUEUR"),
            option({"mode"}, modesLine(), "MODE"),
            option({"frequency"},
                   "avec --table : la fréquence de la corde à vide, en hertz (de 1 à\n"
                   "20000 ; 261.63 ou 261,63) ; une colonne « Fréquence (Hz) » donne\n"
                   "celle de chaque frette, au centième, pour accorder à l'accordeur",
                   "HZ"),
            option({"unit"}, "l'unité de la longueur : mm (par défaut), cm ou in (po, pouces)",
                   "UNITÉ"),
            option({"width"},
                   "la largeur de la bande, dans l'unité (60 mm par défaut) ; le point\n"
                   "ou la virgule sépare les décimales (0.6 ou 0,6), ici et ci-dessous",
                   "LARGEUR"),
            option({"slot"},
                   "la largeur des fentes, dans l'unité ; 0 (par défaut) trace des traits",
                   "FENTE"),
        };
        list += boardOptions();
        list += {
            option({"paper"}, "A4 ou Letter, pour un PDF (selon les réglages régionaux par défaut)",
                   "PAPIER"),
            option({"correction"},
                   "pour un PDF : ce que mesure la règle de 100 mm quand l'imprimante\n"
                   "imprime à 100 % (de 90 à 110) ; le gabarit est étiré d'autant le\n"
                   "long de la bande, et chaque page le dit (100 par défaut)",
                   "POURCENTAGE"),
            option({"h", "help"}, "cette aide"),
            option({"v", "version"}, "la version"),
        };
        return list;
    }();
    return declared;
}

QString helpText()
{
    QString text = QStringLiteral(
        "Usage :\n"
        "  dorvane                          ouvre la fenêtre\n"
        "  dorvane FICHIER.scl              ouvre la fenêtre et l'accord de ce fichier\n"
        "  dorvane --table --scale GAMME --length LONGUEUR [--mode MODE]\n"
        "          [--details] [--frequency HZ]\n"
        "  dorvane --export FICHIER --scale GAMME --length LONGUEUR [--mode MODE]\n"
        "  dorvane --export FICHIER.scl --scale GAMME [--mode MODE]\n"
        "  (au lieu de --scale GAMME : --scl FICHIER.scl ou --edo N, avec [--frets K])\n"
        "          [--unit mm|cm|in] [--width LARGEUR] [--slot FENTE]\n"
        "          [--paper A4|Letter] [--correction POURCENTAGE]\n"
        "  un manche, avec --table ou --export : --strings N [--bass-length LONGUEUR]\n"
        "          [--perpendicular P] [--nut-span ÉCART] [--bridge-span ÉCART]\n"
        "          [--overhang DÉBORD] [--board-end LONGUEUR] [--left-handed]\n"
        "          [--tuning DEGRÉS]\n\n");
    for (const QCommandLineOption &option : options())
        text += optionLines(option);
    return text +
           QStringLiteral("\nLes valeurs des options se lisent sans égard aux majuscules.\n"
                          "Codes de retour : 0 fait ; 1 le fichier ou la sortie n'a pas pu être "
                          "écrit, et il\n"
                          "n'en reste rien ; 2 argument refusé, et aucun fichier n'est écrit.\n");
}

} // namespace command_line
