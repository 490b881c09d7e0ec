// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's help, in French.
#include "request.h"

namespace command_line
{

QString helpText()
{
    QString scales;
    for (const dorvane::ScaleSystem &system : dorvane::scales::Systems)
        scales += QStringLiteral("  « %1 »\n")
                      .arg(QString::fromUtf8(system.name.data(), qsizetype(system.name.size())));
    return QStringLiteral(
               "Usage :\n"
               "  dorvane                       ouvre la fenêtre\n"
               "  dorvane --table --scale GAMME --length LONGUEUR [--mode MODE]\n"
               "  dorvane --export FICHIER --scale GAMME --length LONGUEUR [--mode MODE]\n"
               "          [--unit mm|cm|in] [--width LARGEUR] [--slot FENTE] [--paper A4|Letter]\n"
               "\n"
               "--table          écrit le tableau des frettes : « Frette », « Position », « Note "
               "»,\n"
               "                 une ligne par frette depuis le sillet, séparées par des "
               "tabulations\n"
               "--export FICHIER écrit le gabarit 1:1 ; l'extension choisit le format :\n"
               "                 .pdf (pages à imprimer à 100 %), .svg ou .dxf (machines)\n"
               "--scale GAMME    le nom de la gamme, tel que la liste l'écrit :\n%1"
               "--length LONGUEUR la longueur vibrante, lue comme dans la fenêtre : le point « . "
               "»\n"
               "                 sépare les décimales (647.7) ; un texte lu en partie est refusé\n"
               "--mode MODE      pour « Pythagore Diatonique » : de 0 à 6, ou Do, Ré, Mi, Fa, "
               "Sol,\n"
               "                 La, Si (0 par défaut)\n"
               "--unit UNITÉ     l'unité de la longueur : mm (par défaut), cm ou in (pouces)\n"
               "--width LARGEUR  la largeur de la bande, dans l'unité (60 mm par défaut)\n"
               "--slot FENTE     la largeur des fentes, dans l'unité ; 0 (par défaut) trace des "
               "traits\n"
               "--paper PAPIER   A4 ou Letter, pour le PDF (selon la région par défaut)\n"
               "--help           cette aide\n"
               "--version        la version\n"
               "\n"
               "Codes de sortie : 0 fait ; 1 le fichier n'a pas pu être écrit ; 2 argument "
               "refusé.\n"
               "Aucun fichier n'est écrit à moitié.\n")
        .arg(scales);
}

} // namespace command_line
