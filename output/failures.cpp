// SPDX-License-Identifier: GPL-3.0-or-later
#include "failures.h"

#include "platform.h"
#include "regional.h"
#include "systems.h"

#include <QStringList>

using dorvane::Failure;
using R = Failure::Reason;

namespace output
{

namespace
{

QString text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

QString quoted(const QString &subject)
{
    return QStringLiteral("« %1 »").arg(subject);
}

QString scaleNames()
{
    QStringList names;
    for (const dorvane::ScaleSystem &system : dorvane::scales::Systems)
        names << quoted(QString::fromUtf8(system.name));
    return names.join(QStringLiteral(", "));
}

// What a template or its pages cannot be made of.
QString templateWhy(const Failure &f, const std::string &separator)
{
    const QString figure = text(dorvane::CurrencyText(f.amount, separator).str());
    switch (f.reason) {
    case R::NoTable:
        return QStringLiteral("le tableau est vide : choisissez d'abord une gamme");
    case R::OutOfRange:
        return QStringLiteral("%1 doit être positive et d'au plus %2")
            .arg(f.setting == dorvane::LengthSetting ? QStringLiteral("la longueur vibrante")
                                                     : QStringLiteral("la largeur de la bande"),
                 figure);
    case R::SlotOverStrip:
        return QStringLiteral("la largeur des fentes doit être positive ou nulle et inférieure à "
                              "celle de la bande");
    case R::SlotOverGap:
        return QStringLiteral("la largeur des fentes doit être inférieure au plus petit écart "
                              "entre deux frettes, %1 entre les frettes %2 et %3")
            .arg(figure)
            .arg(f.count)
            .arg(f.count + 1);
    case R::TooManyPages:
        return QStringLiteral("le gabarit demanderait plus de %1 pages").arg(f.count);
    default:
        return QStringLiteral("les pages n'ont pas pu être dessinées");
    }
}

// What stopped a file or the standard output from being written.
QString fileWhy(const Failure &f)
{
    const QString subject = text(f.subject);
    switch (f.reason) {
    case R::FolderMissing:
        return QStringLiteral("le dossier « %1 » n'existe pas").arg(subject);
    case R::NameIsFolder:
        return QStringLiteral("ce nom est celui d'un dossier");
    case R::NameTooLong:
        return QStringLiteral("le nom du fichier est trop long : %1 %3, quand ce dossier en "
                              "admet %2 au plus")
            .arg(f.count)
            .arg(f.limit)
            .arg(platform::nameLengthUnit());
    case R::FolderNotWritable:
        return QStringLiteral("vous n'avez pas le droit d'écrire dans le dossier « %1 »")
            .arg(subject);
    case R::FileReadOnly:
        return QStringLiteral("le fichier existant est en lecture seule ; il est resté tel quel");
    case R::FileNotYours:
        return QStringLiteral("vous n'avez pas le droit de remplacer le fichier existant ; il est "
                              "resté tel quel");
    case R::NotCreated:
        return QStringLiteral("le fichier n'a pas pu être créé dans le dossier « %1 »")
            .arg(subject);
    case R::DiskFull:
        return QStringLiteral("le disque est plein");
    case R::NotReplaced:
        return QStringLiteral("le nouveau fichier n'a pas pu remplacer l'ancien");
    case R::OutputNotWritten:
        return QStringLiteral("la sortie standard n'a pas pu être écrite : %1").arg(subject);
    default:
        return QStringLiteral("l'écriture a été interrompue (le disque est peut-être plein)");
    }
}

QString printingWhy(const Failure &f)
{
    if (f.reason == R::NoPrintingModule)
        return QStringLiteral("L'impression n'est pas possible : le module d'impression « %1 » "
                              "est introuvable ou illisible")
            .arg(text(f.subject));
    if (f.reason == R::PrintingOtherBuild)
        return QStringLiteral("L'impression n'est pas possible : le module d'impression « %1 » "
                              "appartient à une autre version du programme ; réinstallez Dorvane")
            .arg(text(f.subject));
    const QString where = f.setting == "file" ? QStringLiteral("le fichier « %1 »")
                                              : QStringLiteral("l'imprimante « %1 »");
    return QStringLiteral("L'impression %1sur %2 a échoué : le travail n'a pas pu être envoyé")
        .arg(f.limit ? QStringLiteral("du gabarit ") : QString(), where.arg(text(f.subject)));
}

// What the command line refuses of its options; the subject is the option as given.
QString optionWhy(const Failure &f)
{
    const QString given = quoted(text(f.subject));
    switch (f.reason) {
    case R::UnknownOption:
        return QStringLiteral("%1 : option inconnue ; « dorvane --help » donne les options")
            .arg(given);
    case R::MissingValue:
        return QStringLiteral("%1 demande une valeur").arg(given);
    case R::GivenTwice:
        return QStringLiteral("%1 est donnée deux fois").arg(given);
    case R::TakesNoValue:
        return QStringLiteral("%1 ne prend pas de valeur").arg(given);
    case R::TableOrExport:
        return QStringLiteral("il faut soit --table, soit --export FICHIER ; « dorvane --help » "
                              "donne les options");
    case R::OnlyWithExport:
        return QStringLiteral("%1 ne s'emploie qu'avec --export").arg(given);
    case R::OnlyWithPdf:
        return QStringLiteral("%1 ne s'emploie qu'avec un fichier .pdf : un fichier .%2 n'a pas "
                              "de pages")
            .arg(given, text(f.setting));
    case R::MissingScale:
        return QStringLiteral("« --scale » manque : la gamme, parmi %1 ; ou --scl FICHIER.scl, "
                              "une gamme Scala, ou --edo N, N divisions égales de l'octave")
            .arg(scaleNames());
    case R::MissingLength:
        return QStringLiteral("« --length » manque : la longueur vibrante, par exemple 650");
    case R::NotForScala:
        return QStringLiteral("%1 ne s'emploie pas avec un fichier .scl, qui ne garde que "
                              "l'accord")
            .arg(given);
    default:
        return QStringLiteral("%1 ne s'emploie qu'avec --table").arg(given);
    }
}

// What the command line refuses of the values of its options.
QString valueWhy(const Failure &f)
{
    const QString given = quoted(text(f.subject));
    switch (f.reason) {
    case R::UnknownScale:
        return QStringLiteral("%1 : gamme inconnue ; les gammes sont %2").arg(given, scaleNames());
    case R::FileNotScala:
        return QStringLiteral("%1 n'est pas une gamme Scala : la fenêtre n'ouvre qu'un fichier "
                              ".scl (dorvane FICHIER.scl) ; « dorvane --help » donne les options")
            .arg(given);
    case R::OneFileOnly:
        return QStringLiteral("%1 fichiers sont donnés, %2 : un seul fichier .scl s'ouvre à la "
                              "fois")
            .arg(f.count)
            .arg(text(f.subject));
    case R::FrequencyOutOfRange:
        return QStringLiteral("%1 : la fréquence à vide va de 1 à 20000 Hz, le point ou la "
                              "virgule séparant les décimales (261.63 ou 261,63)")
            .arg(given);
    case R::LengthNotRead:
    case R::LengthTooLarge:
        return QStringLiteral("%1 : %2 ; une longueur s'écrit en chiffres, le point « . » "
                              "séparant les décimales, par exemple 650 ou 647.7")
            .arg(given, f.reason == R::LengthTooLarge
                            ? QStringLiteral("hors limites")
                            : QStringLiteral("le texte n'est lu qu'en partie"));
    case R::NotANumber:
    case R::NumberTooLarge:
        return QStringLiteral("%1 : %2 ; un nombre s'écrit en chiffres, par exemple 0.6 ou 0,6")
            .arg(given, f.reason == R::NumberTooLarge ? QStringLiteral("hors limites")
                                                      : QStringLiteral("pas un nombre"));
    case R::ModeWithoutModes:
        return QStringLiteral("« --mode » ne s'emploie qu'avec la gamme %1")
            .arg(systemsWithModes());
    case R::UnknownMode:
        return QStringLiteral("%1 : un mode est un nombre de 0 à 6 ou sa note : %2")
            .arg(given, modeNotes());
    case R::UnknownUnit:
        return QStringLiteral("%1 : les unités sont mm, cm et in (ou po, pouces)").arg(given);
    case R::UnknownPaper:
        return QStringLiteral("%1 : les papiers sont A4 et Letter").arg(given);
    case R::RulerOutOfRange:
        return QStringLiteral("%1 : le pourcentage auquel l'imprimante imprime, ce que mesure sa "
                              "règle de 100 mm, va de 90 à 110")
            .arg(given);
    default:
        return QStringLiteral("%1 : l'extension du fichier choisit le format, .pdf, .svg, .dxf ou "
                              ".scl")
            .arg(given);
    }
}

// What a Scala file, a number of divisions or of frets is refused for; a file's faults name
// their line.
QString scalaWhy(const Failure &f)
{
    const QString given = quoted(text(f.subject));
    const QString line = QStringLiteral("ligne %1 : ").arg(f.count);
    switch (f.reason) {
    case R::ScalaUnreadable:
        return QStringLiteral("le fichier %1 ne peut pas être lu").arg(given);
    case R::ScalaReadShort:
        return QStringLiteral("le fichier %1 n'a pas pu être lu jusqu'au bout").arg(given);
    case R::ScalaTooLarge:
        return QStringLiteral("le fichier dépasse %1 octets : ce n'est pas une gamme Scala")
            .arg(f.limit);
    case R::ScalaNoCount:
        return line + QStringLiteral("le fichier s'arrête avant le nombre de notes");
    case R::ScalaBadCount:
        return line + QStringLiteral("%1 n'est pas un nombre de notes entier").arg(given);
    case R::ScalaNoDegree:
        return line + QStringLiteral("une gamme de 0 note n'a pas de frette");
    case R::ScalaTooManyDegrees:
        return line + QStringLiteral("plus de %1 notes").arg(f.limit);
    case R::ScalaFewerPitches:
        return line + QStringLiteral("le fichier s'arrête avant la fin des %1 hauteurs annoncées")
                          .arg(f.limit);
    case R::ScalaMorePitches:
        return line + QStringLiteral("%1 est de trop : %2 hauteurs sont annoncées")
                          .arg(given)
                          .arg(f.limit);
    case R::ScalaNotANumber:
        return line + QStringLiteral("%1 n'est pas un nombre").arg(given);
    case R::ScalaNotPositive:
        return line + QStringLiteral("%1 n'est pas un rapport positif (zéro, négatif ou "
                                     "dénominateur nul)")
                          .arg(given);
    case R::ScalaTooPrecise:
        return line + QStringLiteral("%1 est trop grand pour être tenu exactement").arg(given);
    case R::ScalaAtUnison:
        return line + QStringLiteral("%1 n'est pas au-dessus de l'unisson").arg(given);
    case R::ScalaAbovePeriod:
        return line +
               QStringLiteral("%1 est au-dessus de la période, la dernière hauteur").arg(given);
    case R::ScalaSamePitch:
        return line +
               QStringLiteral("%1 est à la même hauteur que la ligne %2").arg(given).arg(f.limit);
    case R::DivisionsOutOfRange:
        return QStringLiteral("%1 : le nombre de divisions va de 1 à %2").arg(given).arg(f.limit);
    case R::FretsOutOfRange:
        return QStringLiteral("%1 : le nombre de frettes va de 1 à %2").arg(given).arg(f.limit);
    case R::FretsOnlyForScala:
        return QStringLiteral("%1 ne s'emploie qu'avec --scl ou --edo : les gammes de la "
                              "liste ont leurs frettes")
            .arg(given);
    default:
        return QStringLiteral("il faut une seule gamme : --scale, --scl ou --edo");
    }
}

} // namespace

QString modeNotes()
{
    QStringList notes;
    for (const dorvane::scales::Mode &mode : dorvane::scales::Modes)
        notes << QString::fromUtf8(mode.name);
    return notes.join(QStringLiteral(", "));
}

QString systemsWithModes()
{
    QStringList names;
    for (const dorvane::ScaleSystem &system : dorvane::scales::Systems) {
        if (system.hasModes)
            names << quoted(QString::fromUtf8(system.name));
    }
    return names.join(QStringLiteral(", "));
}

QString describe(const Failure &failure)
{
    return describe(failure, decimalSeparator());
}

QString describe(const Failure &f, const std::string &separator)
{
    if (f.reason <= R::PagesNotDrawn) {
        const QString why = templateWhy(f, separator);
        return f.subject.empty() ? why
                                 : QStringLiteral("%1 : %2").arg(quoted(text(f.subject)), why);
    }
    if (f.reason <= R::OutputNotWritten)
        return fileWhy(f);
    if (f.reason <= R::PrintFailed)
        return printingWhy(f);
    if (f.reason >= R::ScalaUnreadable)
        return scalaWhy(f);
    const bool ofOption =
        f.reason <= R::MissingLength || f.reason == R::NotForScala || f.reason == R::OnlyWithTable;
    return ofOption ? optionWhy(f) : valueWhy(f);
}

} // namespace output
