// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's help, in French.
#include "request.h"

using namespace dorvane;

namespace command_line
{

QString helpText()
{
    QString names, withModes;
    for (const ScaleSystem &system : scales::Systems) {
        names += QStringLiteral("                   « %1 »\n").arg(fromUtf8(system.name));
        if (system.hasModes)
            withModes = QStringLiteral("« %1 »").arg(fromUtf8(system.name));
    }
    QStringList notes;
    for (const scales::Mode &mode : scales::Modes)
        notes << fromUtf8(mode.name);
    return QString::fromUtf8(R"(Usage :
  dorvane                          ouvre la fenêtre
  dorvane --table --scale GAMME --length LONGUEUR [--mode MODE]
  dorvane --export FICHIER --scale GAMME --length LONGUEUR [--mode MODE]
          [--unit mm|cm|in] [--width LARGEUR] [--slot FENTE]
          [--paper A4|Letter] [--correction POURCENTAGE]

  --table          écrit le tableau des frettes : une ligne « Frette », « Position »,
                   « Note », puis une ligne par frette depuis le sillet, en colonnes
                   séparées par des tabulations
  --export FICHIER écrit le gabarit 1:1 ; l'extension choisit le format : .pdf (les
                   pages à imprimer à 100 %), .svg ou .dxf (pour les machines)
  --scale GAMME    la gamme, écrite comme la liste l'écrit (majuscules ou non) :
%1  --length LONGUEUR
                   la longueur vibrante, lue comme dans la fenêtre : le point « . »
                   sépare les décimales (647.7) ; un texte lu en partie est refusé
  --mode MODE      pour %2 : de 0 à 6, ou sa note,
                   %3 (0 par défaut)
  --unit UNITÉ     l'unité de la longueur : mm (par défaut), cm ou in (po, pouces)
  --width LARGEUR  la largeur de la bande, dans l'unité (60 mm par défaut) ; le point
                   ou la virgule sépare les décimales (0.6 ou 0,6), ici et ci-dessous
  --slot FENTE     la largeur des fentes, dans l'unité ; 0 (par défaut) trace des traits
  --paper PAPIER   A4 ou Letter, pour un PDF (selon les réglages régionaux par défaut)
  --correction POURCENTAGE
                   pour un PDF : ce que mesure la règle de 100 mm quand l'imprimante
                   imprime à 100 % (de 90 à 110) ; le gabarit est étiré d'autant le
                   long de la bande, et chaque page le dit (100 par défaut)
  -h, --help       cette aide
  -v, --version    la version

Les valeurs des options se lisent sans égard aux majuscules.
Codes de retour : 0 fait ; 1 le fichier ou la sortie n'a pas pu être écrit, et il
n'en reste rien ; 2 argument refusé, et aucun fichier n'est écrit.
)")
        .arg(names, withModes, notes.join(QStringLiteral(", ")));
}

} // namespace command_line
