// SPDX-License-Identifier: GPL-3.0-or-later
#include "failures.h"

#include "platform.h"
#include "regional.h"
#include "systems.h"

#include <QStringList>

using namespace dorvane;

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
    for (const ScaleSystem &system : scales::Systems)
        names << quoted(QString::fromUtf8(system.name));
    return names.join(QStringLiteral(", "));
}

// Each layer's reasons, in a switch that names them all: a reason added without its words
// does not build.

// What a template or its pages cannot be made of.
QString why(TemplateFault reason, const Failure &f, const std::string &separator)
{
    using T = TemplateFault;
    const QString figure = text(CurrencyText(f.amount, separator).str());
    switch (reason) {
    case T::NoTable:
        return QStringLiteral("le tableau est vide : choisissez d'abord une gamme");
    case T::OutOfRange:
        return QStringLiteral("%1 doit être positive et d'au plus %2")
            .arg(f.setting == LengthSetting ? QStringLiteral("la longueur vibrante")
                                            : QStringLiteral("la largeur de la bande"),
                 figure);
    case T::SlotOverStrip:
        return QStringLiteral("la largeur des fentes doit être positive ou nulle et inférieure à "
                              "celle de la bande");
    case T::SlotOverGap:
        return QStringLiteral("la largeur des fentes doit être inférieure au plus petit écart "
                              "entre deux frettes, %1 entre les frettes %2 et %3")
            .arg(figure)
            .arg(f.count)
            .arg(f.count + 1);
    case T::TooManyPages:
        return QStringLiteral("le gabarit demanderait plus de %1 pages").arg(f.count);
    case T::PagesNotDrawn:
        return QStringLiteral("les pages n'ont pas pu être dessinées");
    }
    return {};
}

// What stopped a file or the standard output from being written, or a file from being read.
QString why(FileFault reason, const Failure &f)
{
    using F = FileFault;
    const QString subject = text(f.subject);
    switch (reason) {
    case F::Unreadable:
        return QStringLiteral("le fichier « %1 » ne peut pas être lu").arg(subject);
    case F::ReadShort:
        return QStringLiteral("le fichier « %1 » n'a pas pu être lu jusqu'au bout").arg(subject);
    case F::TooLarge:
        return QStringLiteral("le fichier dépasse %1 octets : ce n'est pas une gamme Scala")
            .arg(f.limit);
    case F::FolderMissing:
        return QStringLiteral("le dossier « %1 » n'existe pas").arg(subject);
    case F::NameIsFolder:
        return QStringLiteral("ce nom est celui d'un dossier");
    case F::NameTooLong:
        return QStringLiteral("le nom du fichier est trop long : %1 %3, quand ce dossier en "
                              "admet %2 au plus")
            .arg(f.count)
            .arg(f.limit)
            .arg(platform::nameLengthUnit());
    case F::FolderNotWritable:
        return QStringLiteral("vous n'avez pas le droit d'écrire dans le dossier « %1 »")
            .arg(subject);
    case F::FileReadOnly:
        return QStringLiteral("le fichier existant est en lecture seule ; il est resté tel quel");
    case F::FileNotYours:
        return QStringLiteral("vous n'avez pas le droit de remplacer le fichier existant ; il est "
                              "resté tel quel");
    case F::NotCreated:
        return QStringLiteral("le fichier n'a pas pu être créé dans le dossier « %1 »")
            .arg(subject);
    case F::DiskFull:
        return QStringLiteral("le disque est plein");
    case F::WriteInterrupted:
        return QStringLiteral("l'écriture a été interrompue (le disque est peut-être plein)");
    case F::NotReplaced:
        return QStringLiteral("le nouveau fichier n'a pas pu remplacer l'ancien");
    case F::OutputNotWritten:
        return QStringLiteral("la sortie standard n'a pas pu être écrite : %1").arg(subject);
    }
    return {};
}

// Why nothing was printed, said as a sentence of its own.
QString why(PrintFault reason, const Failure &f)
{
    using P = PrintFault;
    const QString subject = text(f.subject);
    const QString notSent =
        QStringLiteral("L'impression %1sur %2 a échoué : le travail n'a pas pu être envoyé");
    const QString printer = QStringLiteral("l'imprimante « %1 »").arg(subject);
    const QString file = QStringLiteral("le fichier « %1 »").arg(subject);
    switch (reason) {
    case P::NoModule:
        return QStringLiteral("L'impression n'est pas possible : le module d'impression « %1 » "
                              "est introuvable ou illisible")
            .arg(subject);
    case P::OtherBuild:
        return QStringLiteral("L'impression n'est pas possible : le module d'impression « %1 » "
                              "appartient à une autre version du programme ; réinstallez Dorvane")
            .arg(subject);
    case P::SheetToPrinter:
        return notSent.arg(QString(), printer);
    case P::SheetToFile:
        return notSent.arg(QString(), file);
    case P::TemplateToPrinter:
        return notSent.arg(QStringLiteral("du gabarit "), printer);
    case P::TemplateToFile:
        return notSent.arg(QStringLiteral("du gabarit "), file);
    }
    return {};
}

// What the command line refuses of its options; the subject is the option as given.
QString why(OptionFault reason, const Failure &f)
{
    using O = OptionFault;
    const QString given = quoted(text(f.subject));
    switch (reason) {
    case O::UnknownOption:
        return QStringLiteral("%1 : option inconnue ; « dorvane --help » donne les options")
            .arg(given);
    case O::MissingValue:
        return QStringLiteral("%1 demande une valeur").arg(given);
    case O::GivenTwice:
        return QStringLiteral("%1 est donnée deux fois").arg(given);
    case O::TakesNoValue:
        return QStringLiteral("%1 ne prend pas de valeur").arg(given);
    case O::TableOrExport:
        return QStringLiteral("il faut soit --table, soit --export FICHIER ; « dorvane --help » "
                              "donne les options");
    case O::OnlyWithExport:
        return QStringLiteral("%1 ne s'emploie qu'avec --export").arg(given);
    case O::OnlyWithPdf:
        return QStringLiteral("%1 ne s'emploie qu'avec un fichier .pdf : un fichier .%2 n'a pas "
                              "de pages")
            .arg(given, text(f.setting));
    case O::OnlyWithTable:
        return QStringLiteral("%1 ne s'emploie qu'avec --table").arg(given);
    case O::NotForScala:
        return QStringLiteral("%1 ne s'emploie pas avec un fichier .scl, qui ne garde que "
                              "l'accord")
            .arg(given);
    case O::MissingScale:
        return QStringLiteral("« --scale » manque : la gamme, parmi %1 ; ou --scl FICHIER.scl, "
                              "une gamme Scala, ou --edo N, N divisions égales de l'octave")
            .arg(scaleNames());
    case O::MissingLength:
        return QStringLiteral("« --length » manque : la longueur vibrante, par exemple 650");
    case O::ScaleOrScala:
        return QStringLiteral("il faut une seule gamme : --scale, --scl ou --edo");
    case O::FretsOnlyForScala:
        return QStringLiteral("%1 ne s'emploie qu'avec --scl ou --edo : les gammes de la "
                              "liste ont leurs frettes")
            .arg(given);
    case O::FileNotScala:
        return QStringLiteral("%1 n'est pas une gamme Scala : la fenêtre n'ouvre qu'un fichier "
                              ".scl (dorvane FICHIER.scl) ; « dorvane --help » donne les options")
            .arg(given);
    case O::OneFileOnly:
        return QStringLiteral("%1 fichiers sont donnés, %2 : un seul fichier .scl s'ouvre à la "
                              "fois")
            .arg(f.count)
            .arg(text(f.subject));
    case O::WidthWithStrings:
        return QStringLiteral("%1 ne s'emploie qu'avec une corde : la largeur d'un manche vient "
                              "des écartements et du débord")
            .arg(given);
    case O::OnlyWithStrings:
        return QStringLiteral("%1 ne s'emploie qu'avec --strings 2 ou plus").arg(given);
    }
    return {};
}

// What the command line refuses of the values of its options.
QString why(ValueFault reason, const Failure &f)
{
    using V = ValueFault;
    const QString given = quoted(text(f.subject));
    // "« --length 12 mm » : le texte n'est lu qu'en partie ; une longueur s'écrit en chiffres…"
    const auto notRead = [&](const char *whyNot, const char *number, const char *examples) {
        return QStringLiteral("%1 : %2 ; %3 s'écrit en chiffres, %4")
            .arg(given, QString::fromUtf8(whyNot), QString::fromUtf8(number),
                 QString::fromUtf8(examples));
    };
    const char *lengthExamples = "le point « . » séparant les décimales, par exemple 650 ou 647.7";
    switch (reason) {
    case V::UnknownScale:
        return QStringLiteral("%1 : gamme inconnue ; les gammes sont %2").arg(given, scaleNames());
    case V::LengthNotRead:
        return notRead("le texte n'est lu qu'en partie", "une longueur", lengthExamples);
    case V::LengthTooLarge:
        return notRead("hors limites", "une longueur", lengthExamples);
    case V::NotANumber:
        return notRead("pas un nombre", "un nombre", "par exemple 0.6 ou 0,6");
    case V::NumberTooLarge:
        return notRead("hors limites", "un nombre", "par exemple 0.6 ou 0,6");
    case V::ModeWithoutModes:
        return QStringLiteral("« --mode » ne s'emploie qu'avec la gamme %1")
            .arg(systemsWithModes());
    case V::UnknownMode:
        return QStringLiteral("%1 : un mode est un nombre de 0 à 6 ou sa note : %2")
            .arg(given, modeNotes());
    case V::UnknownUnit:
        return QStringLiteral("%1 : les unités sont mm, cm et in (ou po, pouces)").arg(given);
    case V::UnknownPaper:
        return QStringLiteral("%1 : les papiers sont A4 et Letter").arg(given);
    case V::RulerOutOfRange:
        return QStringLiteral("%1 : le pourcentage auquel l'imprimante imprime, ce que mesure sa "
                              "règle de 100 mm, va de 90 à 110")
            .arg(given);
    case V::FrequencyOutOfRange:
        return QStringLiteral("%1 : la fréquence à vide va de 1 à 20000 Hz, le point ou la "
                              "virgule séparant les décimales (261.63 ou 261,63)")
            .arg(given);
    case V::FretsOutOfRange:
        return QStringLiteral("%1 : le nombre de frettes va de 1 à %2").arg(given).arg(f.limit);
    case V::UnknownFormat:
        return QStringLiteral("%1 : l'extension du fichier choisit le format, .pdf, .svg, .dxf ou "
                              ".scl")
            .arg(given);
    }
    return {};
}

// What a Scala file or a number of divisions is refused for; a file's faults name their line.
QString why(ScalaFault reason, const Failure &f)
{
    using S = ScalaFault;
    const QString given = quoted(text(f.subject));
    const QString line = QStringLiteral("ligne %1 : ").arg(f.count);
    switch (reason) {
    case S::TooLarge:
        return QStringLiteral("le fichier dépasse %1 octets : ce n'est pas une gamme Scala")
            .arg(f.limit);
    case S::NoCount:
        return line + QStringLiteral("le fichier s'arrête avant le nombre de notes");
    case S::BadCount:
        return line + QStringLiteral("%1 n'est pas un nombre de notes entier").arg(given);
    case S::NoDegree:
        return line + QStringLiteral("une gamme de 0 note n'a pas de frette");
    case S::TooManyDegrees:
        return line + QStringLiteral("plus de %1 notes").arg(f.limit);
    case S::FewerPitches:
        return line + QStringLiteral("le fichier s'arrête avant la fin des %1 hauteurs annoncées")
                          .arg(f.limit);
    case S::MorePitches:
        return line + QStringLiteral("%1 est de trop : %2 hauteurs sont annoncées")
                          .arg(given)
                          .arg(f.limit);
    case S::NotANumber:
        return line + QStringLiteral("%1 n'est pas un nombre").arg(given);
    case S::NotPositive:
        return line + QStringLiteral("%1 n'est pas un rapport positif (zéro, négatif ou "
                                     "dénominateur nul)")
                          .arg(given);
    case S::TooPrecise:
        return line + QStringLiteral("%1 est trop grand pour être tenu exactement").arg(given);
    case S::AtUnison:
        return line + QStringLiteral("%1 n'est pas au-dessus de l'unisson").arg(given);
    case S::AbovePeriod:
        return line +
               QStringLiteral("%1 est au-dessus de la période, la dernière hauteur").arg(given);
    case S::SamePitch:
        return line +
               QStringLiteral("%1 est à la même hauteur que la ligne %2").arg(given).arg(f.limit);
    case S::DivisionsOutOfRange:
        return QStringLiteral("%1 : le nombre de divisions va de 1 à %2").arg(given).arg(f.limit);
    }
    return {};
}

// What a fingerboard cannot be made of.
QString why(BoardFault reason, const Failure &f, const std::string &separator)
{
    using B = BoardFault;
    switch (reason) {
    case B::StringsOutOfRange:
        return QStringLiteral("le nombre de cordes va de 1 à %1").arg(f.limit);
    case B::BassLengthOutOfRange:
        return QStringLiteral("la longueur de la corde la plus grave doit être positive");
    case B::Negative: {
        const std::string &which = f.setting;
        const QString what = which == NutSpanSetting ? QStringLiteral("l'écartement au sillet")
                             : which == BridgeSpanSetting
                                 ? QStringLiteral("l'écartement au chevalet")
                             : which == OverhangSetting ? QStringLiteral("le débord")
                                                        : QStringLiteral("la fin de la touche");
        return QStringLiteral("%1 ne peut pas être négatif").arg(what);
    }
    case B::PerpendicularBeyond:
        return QStringLiteral(
                   "la frette perpendiculaire va de 0 (le sillet) à la dernière frette, %1")
            .arg(f.limit);
    case B::CannotReach:
        return QStringLiteral("les cordes extrêmes ne peuvent pas aller du sillet au chevalet : la "
                              "moitié de la différence des écartements atteint la longueur %1")
            .arg(text(CurrencyText(f.amount, separator).str()));
    case B::UnknownNote:
        return QStringLiteral("corde %1 : « %2 » n'est pas une note de la gamme")
            .arg(f.count)
            .arg(text(f.value));
    case B::DegreeOutOfRange:
        return QStringLiteral("corde %1 : le degré %2 n'est pas de 0 à %3")
            .arg(f.count)
            .arg(text(f.value))
            .arg(f.limit);
    case B::DegreeCount:
        return QStringLiteral("%1 degrés pour %2 cordes : il en faut un par corde")
            .arg(f.count)
            .arg(f.limit);
    }
    return {};
}

} // namespace

QString modeNotes()
{
    QStringList notes;
    for (const scales::Mode &mode : scales::Modes)
        notes << QString::fromUtf8(mode.name);
    return notes.join(QStringLiteral(", "));
}

QString systemsWithModes()
{
    QStringList names;
    for (const ScaleSystem &system : scales::Systems) {
        if (system.hasModes)
            names << quoted(QString::fromUtf8(system.name));
    }
    return names.join(QStringLiteral(", "));
}

QString describe(const Failure &failure)
{
    return describe(failure, decimalSeparator());
}

// A template's or a board's reason begins with the setting it names, where it names one:
// "« --slot 1.5 » :".
QString describe(const Failure &f, const std::string &separator)
{
    return std::visit(
        [&](auto reason) {
            using R = decltype(reason);
            if constexpr (std::is_same_v<R, TemplateFault> || std::is_same_v<R, BoardFault>) {
                const QString said = why(reason, f, separator);
                return f.subject.empty()
                           ? said
                           : QStringLiteral("%1 : %2").arg(quoted(text(f.subject)), said);
            } else {
                return why(reason, f);
            }
        },
        f.reason);
}

} // namespace output
