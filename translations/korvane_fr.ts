<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Light passing through a diaphragm with 2, 3, 4 or 20 slits: for each point of the screen the slits&apos; phasors added into a chain, and the interference profile they make.</source>
        <translation>La lumière traversant un diaphragme à 2, 3, 4 ou 20 fentes&#xa0;: pour chaque point de l’écran, les vecteurs de Fresnel des fentes mis bout à bout en une chaîne, et la figure d’interférence qu’ils produisent.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later).</source>
        <translation>Logiciel libre distribué sous la licence GNU General Public License, version 3 ou ultérieure (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <source>About Korvane</source>
        <translation>À propos de Korvane</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Runs the animation for the chosen number of slits and frequency</source>
        <translation>Lance l’animation pour le nombre de fentes et la fréquence choisis</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Quitte le programme</translation>
    </message>
    <message>
        <source>Slow-down factor</source>
        <translation>Facteur de ralentissement</translation>
    </message>
    <message>
        <source>Frequency store</source>
        <translation>Mémoire de la fréquence</translation>
    </message>
    <message>
        <source>Slow-down factor store</source>
        <translation>Mémoire du facteur de ralentissement</translation>
    </message>
    <message>
        <source>Number of slits store</source>
        <translation>Mémoire du nombre de fentes</translation>
    </message>
    <message>
        <source>Frame of the grating picture</source>
        <translation>Cadre de l’image du réseau</translation>
    </message>
    <message>
        <source>Grating picture</source>
        <translation>Image du réseau</translation>
    </message>
    <message>
        <source>White light split by a grating: a white maximum in the middle, then blue, green and red maxima on either side</source>
        <translation>Lumière blanche décomposée par un réseau&#xa0;: un maximum blanc au centre, puis des maxima bleus, verts et rouges de part et d’autre</translation>
    </message>
    <message>
        <source>Number of slits</source>
        <translation>Nombre de fentes</translation>
    </message>
    <message>
        <source>2 slits</source>
        <translation>2 fentes</translation>
    </message>
    <message>
        <source>3 slits</source>
        <translation>3 fentes</translation>
    </message>
    <message>
        <source>4 slits</source>
        <translation>4 fentes</translation>
    </message>
    <message>
        <source>20 slits, a grating</source>
        <translation>20 fentes, un réseau</translation>
    </message>
    <message>
        <source>Caption: number of wavelengths per slit spacing</source>
        <translation>Libellé&#xa0;: longueurs d’onde par pas des fentes</translation>
    </message>
    <message>
        <source>Number of wavelengths per slit spacing</source>
        <translation>Nombre de longueurs d’onde par pas des fentes</translation>
    </message>
    <message>
        <source>Frequency, for 2 to 4 slits</source>
        <translation>Fréquence, pour 2 à 4 fentes</translation>
    </message>
    <message>
        <source>Frequency, for 20 slits</source>
        <translation>Fréquence, pour 20 fentes</translation>
    </message>
    <message>
        <source>Caption: equal mixture of red, green and blue</source>
        <translation>Libellé&#xa0;: mélange égal de rouge, vert et bleu</translation>
    </message>
    <message>
        <source>Caption: Cornu spirals</source>
        <translation>Libellé&#xa0;: spirales de Cornu</translation>
    </message>
    <message>
        <source>Caption: diaphragm with grating</source>
        <translation>Libellé&#xa0;: diaphragme à réseau</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>The incident wave, the diaphragm with its slits, the rays, the phasor chains and the interference profile on the screen</source>
        <translation>L’onde incidente, le diaphragme et ses fentes, les rayons, les chaînes de vecteurs de Fresnel et la figure d’interférence sur l’écran</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The number of slits: 2, 3, 4 or 20.</source>
        <translation>Le nombre de fentes&#xa0;: 2, 3, 4 ou 20.</translation>
    </message>
    <message>
        <source>The slow-down bar&apos;s position, 0 (fastest) to 10000 (a run of two minutes).</source>
        <translation>La position de la barre de ralentissement, 0 (le plus rapide) à 10000 (un tracé de deux minutes).</translation>
    </message>
    <message>
        <source>The zoom: 100, 125, 150, 175, 200, 250, 300 or 400 per cent.</source>
        <translation>Le zoom&#xa0;: 100, 125, 150, 175, 200, 250, 300 ou 400 pour cent.</translation>
    </message>
    <message>
        <source>Full screen.</source>
        <translation>Plein écran.</translation>
    </message>
    <message>
        <source>Show maxima: the orders ticked under the screen line.</source>
        <translation>Afficher les maxima&#xa0;: les ordres marqués sous la ligne de l’écran.</translation>
    </message>
    <message>
        <source>One run at once, when the window is up.</source>
        <translation>Un tracé tout de suite, dès que la fenêtre est ouverte.</translation>
    </message>
    <message>
        <source>The language: en, or a code of the languages the program speaks (%1).</source>
        <translation>La langue&#xa0;: en, ou le code d’une langue que le programme parle (%1).</translation>
    </message>
    <message>
        <source>Light through 2, 3, 4 or 20 slits: phasor chains build up the interference profile.</source>
        <translation>La lumière à travers 2, 3, 4 ou 20 fentes&#xa0;: les vecteurs de Fresnel bout à bout construisent la figure d’interférence.</translation>
    </message>
    <message>
        <source>korvane --help lists the options</source>
        <translation>korvane --help liste les options</translation>
    </message>
    <message>
        <source>korvane: unknown option %1; %2</source>
        <extracomment>%1 is the option as the user wrote it; the last part names korvane --help.</extracomment>
        <translation>korvane&#xa0;: option inconnue %1&#xa0;; %2</translation>
    </message>
    <message>
        <source>korvane: unexpected argument %1; %2</source>
        <translation>korvane&#xa0;: argument inattendu %1&#xa0;; %2</translation>
    </message>
    <message>
        <source>korvane: %1 needs a value; %2</source>
        <translation>korvane&#xa0;: %1 demande une valeur&#xa0;; %2</translation>
    </message>
    <message>
        <source>the number of slits is 2, 3, 4 or 20</source>
        <translation>le nombre de fentes est 2, 3, 4 ou 20</translation>
    </message>
    <message>
        <source>with %1 slits the frequency is a whole number from %2 to %3</source>
        <extracomment>%1 is the number of slits (4 unless --slits says otherwise).</extracomment>
        <translation>avec %1 fentes, la fréquence est un entier de %2 à %3</translation>
    </message>
    <message>
        <source>the slow-down is a whole number from 0 to %1</source>
        <translation>le ralentissement est un entier de 0 à %1</translation>
    </message>
    <message>
        <source>the zoom is one of %1 per cent</source>
        <extracomment>%1 lists the zoom steps: 100, 125, ..., 400.</extracomment>
        <translation>le zoom est l’un de %1 pour cent</translation>
    </message>
    <message>
        <source>the language is en or one of %1</source>
        <translation>la langue est en ou l’une de %1</translation>
    </message>
    <message>
        <source>korvane: %1 %2: %3</source>
        <extracomment>%1 is the option, %2 the value refused, %3 what is allowed.</extracomment>
        <translation>korvane&#xa0;: %1 %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Show the far-field curve: the textbook&apos;s intensity over the profile.</source>
        <translation>Afficher la courbe du champ lointain&#xa0;: l’intensité du manuel au-dessus du profil.</translation>
    </message>
    <message>
        <source>korvane: %1 takes no value; %2</source>
        <translation>korvane&#xa0;: %1 ne prend pas de valeur&#xa0;; %2</translation>
    </message>
    <message>
        <source>Keep profiles to compare: at each Start the profile on screen stays as a coloured outline, the three most recent.</source>
        <translation>Conserver les profils pour comparer&#xa0;: à chaque lancement, le profil à l’écran reste en contour coloré, les trois plus récents.</translation>
    </message>
    <message>
        <source>korvane: %1 is given more than once; %2</source>
        <translation>korvane&#xa0;: %1 est donné plus d’une fois&#xa0;; %2</translation>
    </message>
    <message>
        <source>The frequency: 20 to 200 for 2 to 4 slits, 5 to 45 for 20 slits; the slit count&apos;s frequency bar is set to it. The read-out beside the bar shows it divided by 6.28, the wavelengths per slit spacing: 3.18 at frequency 20.</source>
        <translation>La fréquence&#xa0;: 20 à 200 pour 2 à 4 fentes, 5 à 45 pour 20 fentes&#xa0;; la barre de fréquence du nombre de fentes y est placée. L’affichage à côté de la barre la montre divisée par 6,28, les longueurs d’onde par pas des fentes&#xa0;: 3,18 à la fréquence 20.</translation>
    </message>
    <message>
        <source>%1; the read-out beside the bar (wavelengths per slit spacing) shows %3 at frequency %2</source>
        <extracomment>%1 says the frequency&apos;s range; %2 is the frequency and %3 the read-out it gives.</extracomment>
        <translation>%1&#xa0;; l’affichage à côté de la barre (longueurs d’onde par pas des fentes) montre %3 à la fréquence %2</translation>
    </message>
</context>
<context>
    <name>ControlTips</name>
    <message>
        <source>Slow-down: a run takes under a second. Move right for a slower run, up to two minutes.</source>
        <translation>Ralenti&#xa0;: un passage dure moins d’une seconde. Vers la droite pour un passage plus lent, jusqu’à deux minutes.</translation>
    </message>
    <message>
        <source>Slow-down: a run takes about %1 s. Move right for a slower run, up to two minutes.</source>
        <extracomment>%1 seconds.</extracomment>
        <translation>Ralenti&#xa0;: un passage dure environ %1&#xa0;s. Vers la droite pour un passage plus lent, jusqu’à deux minutes.</translation>
    </message>
    <message>
        <source>Slow-down: a run takes about %1 min %2 s. Move left for a faster run.</source>
        <extracomment>%1 minutes and %2 seconds.</extracomment>
        <translation>Ralenti&#xa0;: un passage dure environ %1&#xa0;min %2&#xa0;s. Vers la gauche pour un passage plus rapide.</translation>
    </message>
    <message>
        <source>%1 wavelengths per slit spacing: the frequency, %2, divided by %3</source>
        <extracomment>%1 is the read-out, %2 the frequency it is worked out from, %3 the divisor 6.28.</extracomment>
        <translation>%1 longueurs d’onde par écart des fentes&#xa0;: la fréquence %2 divisée par %3</translation>
    </message>
    <message>
        <source>Frequency bar. Wavelengths per slit spacing: %1</source>
        <extracomment>%1 names the frequency as the look-out does: the read-out, then the frequency.</extracomment>
        <translation>Barre de fréquence. Longueurs d’onde par pas des fentes&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>%1 (frequency %2)</source>
        <extracomment>%1 is the read-out beside the frequency bar (wavelengths per slit spacing), %2 the frequency it is made from.</extracomment>
        <translation>%1 (fréquence %2)</translation>
    </message>
</context>
<context>
    <name>KeptProfiles</name>
    <message>
        <source>%1: %2 % of its largest</source>
        <extracomment>%1 names a kept run, as the legend does; %2 is its intensity at the look-out&apos;s column.</extracomment>
        <translation>%1&#xa0;: %2&#xa0;% de son maximum</translation>
    </message>
    <message numerus="yes">
        <source>%n slits, %1</source>
        <extracomment>A kept run in the legend and the look-out: its slit count, and its frequency as the read-out and the frequency.</extracomment>
        <translation>
            <numerusform>%n fente, %1</numerusform>
            <numerusform>%n fentes, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: intensity (% of its largest)</source>
        <extracomment>The header of a kept run&apos;s column in the profile data.</extracomment>
        <translation>%1&#xa0;: intensité (%&#xa0;de son maximum)</translation>
    </message>
</context>
<context>
    <name>Korvane</name>
    <message>
        <source>Please press button Start</source>
        <extracomment>The label in the middle of the window before the first run; it names the Start button, so use the button&apos;s translated caption.</extracomment>
        <translation>Cliquez sur Lancer</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Number of slits</source>
        <translation>Nombre de fentes</translation>
    </message>
    <message>
        <source>Number of wavelengths per slits spacing </source>
        <extracomment>Stands left of the read-out of the slit spacing divided by the wavelength.</extracomment>
        <translation>Longueurs d’onde par pas des fentes </translation>
    </message>
    <message>
        <source>equal mixture of R+G+B</source>
        <extracomment>Under the grating picture, beside its white light: red, green and blue in equal parts.</extracomment>
        <translation>mélange égal de R+V+B</translation>
    </message>
    <message>
        <source>Cornu spirals</source>
        <extracomment>Over the phasor chains: each slit&apos;s phasor added end to end, curling towards a spiral.</extracomment>
        <translation>Spirales de Cornu</translation>
    </message>
    <message>
        <source>diaphragm with grating</source>
        <translation>diaphragme à réseau</translation>
    </message>
</context>
<context>
    <name>LessonLink</name>
    <message>
        <source>the browser&apos;s language</source>
        <translation>la langue du navigateur</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>given more than once</source>
        <translation>donné plus d’une fois</translation>
    </message>
    <message>
        <source>%1 stands alone, or as %1=1 or %1=0</source>
        <extracomment>%1 is the parameter&apos;s name, as in the link.</extracomment>
        <translation>%1 s’écrit seul, ou %1=1 ou %1=0</translation>
    </message>
    <message>
        <source>Korvane has no such setting</source>
        <translation>Korvane n’a pas ce réglage</translation>
    </message>
    <message>
        <source>The link&apos;s settings could not all be used:</source>
        <translation>Les réglages du lien n’ont pas tous pu être utilisés&#xa0;:</translation>
    </message>
    <message>
        <source>%1: %2; it is left out.</source>
        <translation>%1&#xa0;: %2&#xa0;; il est ignoré.</translation>
    </message>
    <message>
        <source>%1: %2; %3 is used instead.</source>
        <translation>%1&#xa0;: %2&#xa0;; %3 est utilisé à la place.</translation>
    </message>
    <message>
        <source>Link to a lesson</source>
        <translation>Lien vers une leçon</translation>
    </message>
</context>
<context>
    <name>LookOut</name>
    <message>
        <source>Column x = %1 twips</source>
        <extracomment>A column of the screen line, by its x in twips.</extracomment>
        <translation>Colonne x = %1 twips</translation>
    </message>
    <message>
        <source>Phase step: %1° = %2 λ</source>
        <extracomment>%1 in degrees, %2 in wavelengths (lambda) of path difference.</extracomment>
        <translation>Pas de phase : %1° = %2 λ</translation>
    </message>
    <message>
        <source>Mean phase step: %1° = %2 λ</source>
        <translation>Pas de phase moyen : %1° = %2 λ</translation>
    </message>
    <message>
        <source>Steps differ by up to ±%1° (finite distance)</source>
        <extracomment>The screen is not infinitely far, so each pair of neighbouring slits has a slightly different step.</extracomment>
        <translation>Les pas diffèrent jusqu’à ±%1° (distance finie)</translation>
    </message>
    <message>
        <source>Intensity: %1 % of the run&apos;s largest</source>
        <translation>Intensité : %1 % de la plus grande du tracé</translation>
    </message>
    <message>
        <source>Nearest order m = %1 at x = %2, %3 twips away</source>
        <extracomment>The order m of the grating equation d sin(theta) = m lambda nearest to the pointer.</extracomment>
        <translation>Ordre le plus proche m = %1 en x = %2, à %3 twips</translation>
    </message>
    <message>
        <source>Far field: %1 % of its largest</source>
        <extracomment>The textbook&apos;s intensity of the same slits seen from infinitely far, at this column.</extracomment>
        <translation>Champ lointain&#xa0;: %1&#xa0;% de son maximum</translation>
    </message>
    <message>
        <source>far field, scaled to the tallest bar</source>
        <extracomment>Beside the far-field curve drawn over the profile.</extracomment>
        <translation>champ lointain, à l’échelle de la barre la plus haute</translation>
    </message>
    <message>
        <source>Angle from the slits: θ = %1°</source>
        <extracomment>The angle theta from the middle of the slits to the column, positive to the left.</extracomment>
        <translation>Angle depuis les fentes&#xa0;: θ = %1°</translation>
    </message>
    <message>
        <source>Slits: %1   Wavelengths per slit spacing: %2</source>
        <extracomment>%2 names the frequency as the read-out beside the bar does, then the frequency itself.</extracomment>
        <translation>Fentes&#xa0;: %1   Longueurs d’onde par pas des fentes&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>NoDisplay</name>
    <message>
        <source>korvane: no display to open the window on (DISPLAY is not set); run it from a desktop session, or headless with: xvfb-run -a %1</source>
        <translation>korvane: aucun affichage sur lequel ouvrir la fenêtre (DISPLAY n’est pas défini) ; lancez le programme depuis une session de bureau, ou sans écran avec : xvfb-run -a %1</translation>
    </message>
</context>
<context>
    <name>ProfileData</name>
    <message>
        <source>column (twips: 1/1440 inch or 1/15 pixel)</source>
        <extracomment>Column headers of the profile data, as a spreadsheet shows them.</extracomment>
        <translation>colonne (twips&#xa0;: 1/1440 de pouce ou 1/15 de pixel)</translation>
    </message>
    <message>
        <source>theta (degrees)</source>
        <translation>thêta (degrés)</translation>
    </message>
    <message>
        <source>path difference (wavelengths)</source>
        <translation>différence de marche (longueurs d’onde)</translation>
    </message>
    <message>
        <source>intensity (% of the run&apos;s largest)</source>
        <translation>intensité (% de la plus grande du tracé)</translation>
    </message>
    <message>
        <source>bar height (twips)</source>
        <translation>hauteur de barre (twips)</translation>
    </message>
    <message>
        <source>slits</source>
        <translation>fentes</translation>
    </message>
    <message>
        <source>frequency (the read-out is it / 6.28: wavelengths per slit spacing)</source>
        <translation>fréquence (l’affichage est elle / 6,28&#xa0;: longueurs d’onde par pas des fentes)</translation>
    </message>
</context>
<context>
    <name>SavePicture</name>
    <message>
        <source>It is a folder.</source>
        <translation>C’est un dossier.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Ce n’est pas un fichier.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>paused</source>
        <extracomment>In the title bar while a run stands paused: &quot;Korvane (paused)&quot;.</extracomment>
        <translation>en pause</translation>
    </message>
</context>
<context>
    <name>korvane::ColumnMarker</name>
    <message>
        <source>Look-out&apos;s column</source>
        <translation>Colonne de la vue rapprochée</translation>
    </message>
</context>
<context>
    <name>korvane::Exports</name>
    <message>
        <source>Copy picture</source>
        <translation>Copier l’image</translation>
    </message>
    <message>
        <source>This browser does not let the page put a picture on the clipboard. Save picture offers it as a download instead.</source>
        <translation>Ce navigateur ne permet pas à la page de mettre une image dans le presse-papiers. Enregistrer l’image la propose plutôt en téléchargement.</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1.

%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason, as the system gives it.</extracomment>
        <translation>L’image n’a pas pu être enregistrée sous %1.

%2</translation>
    </message>
    <message>
        <source>Save profile data</source>
        <translation>Enregistrer les données du profil</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tableau CSV (*.csv)</translation>
    </message>
    <message>
        <source>The profile data could not be saved as %1.

%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason, as the system gives it.</extracomment>
        <translation>Les données du profil n’ont pas pu être enregistrées sous %1.

%2</translation>
    </message>
</context>
<context>
    <name>korvane::FarFieldLayer</name>
    <message>
        <source>Far-field curve</source>
        <translation>Courbe du champ lointain</translation>
    </message>
</context>
<context>
    <name>korvane::KeptProfilesLayer</name>
    <message>
        <source>Kept profiles</source>
        <translation>Profils conservés</translation>
    </message>
</context>
<context>
    <name>korvane::LookOutPanel</name>
    <message>
        <source>Look-out</source>
        <translation>Vue rapprochée</translation>
    </message>
</context>
<context>
    <name>korvane::MainWindow</name>
    <message>
        <source>Exit waits for the run to end; Space pauses, and then Exit ends at once</source>
        <translation>Fin attend la fin du passage&#xa0;; Espace le met en pause, et Fin termine alors aussitôt</translation>
    </message>
    <message>
        <source>Clicks wait for the run to end; Space pauses it</source>
        <translation>Les clics attendent la fin du passage&#xa0;; Espace le met en pause</translation>
    </message>
    <message>
        <source>Zoom %1 % would not fit this screen</source>
        <extracomment>%1 is a zoom step in per cent.</extracomment>
        <translation>Le zoom à %1&#xa0;% ne tient pas sur cet écran</translation>
    </message>
    <message>
        <source>F11 fills the screen with the window.</source>
        <translation>F11 étend la fenêtre à tout l’écran.</translation>
    </message>
    <message>
        <source>Opened at %1 %: %2 % would not fit this screen</source>
        <extracomment>%1 is the zoom the window opened at, %2 the one asked for, in per cent.</extracomment>
        <translation>Ouvert à %1&#xa0;%&#xa0;: %2&#xa0;% ne tient pas sur cet écran</translation>
    </message>
</context>
<context>
    <name>korvane::OrderMarks</name>
    <message>
        <source>Orders of the grating equation</source>
        <translation>Ordres de la formule des réseaux</translation>
    </message>
</context>
<context>
    <name>korvane::PauseHint</name>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Paused before the first column</source>
        <translation>En pause avant la première colonne</translation>
    </message>
    <message>
        <source>Paused at column x = %1 twips</source>
        <translation>En pause à la colonne x = %1 twips</translation>
    </message>
    <message>
        <source>Space: go on.  Home, End: the first column, the end.</source>
        <translation>Espace&#xa0;: reprendre.  Début, Fin&#xa0;: première colonne, fin.</translation>
    </message>
    <message>
        <source>Left, Right: a chain back or on; with Shift, a pixel.</source>
        <translation>Gauche, Droite&#xa0;: une chaîne en arrière ou en avant&#xa0;; avec Maj, un pixel.</translation>
    </message>
</context>
<context>
    <name>korvane::WindowMenu</name>
    <message>
        <source>Window menu</source>
        <translation>Menu de la fenêtre</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copier l’image</translation>
    </message>
    <message>
        <source>Save picture...</source>
        <translation>Enregistrer l’image...</translation>
    </message>
    <message>
        <source>About Korvane</source>
        <translation>À propos de Korvane</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Quitter le plein écran</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Show maxima</source>
        <translation>Afficher les maxima</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Show far-field curve</source>
        <translation>Afficher la courbe du champ lointain</translation>
    </message>
    <message>
        <source>Copy profile data</source>
        <translation>Copier les données du profil</translation>
    </message>
    <message>
        <source>Save profile data...</source>
        <translation>Enregistrer les données du profil...</translation>
    </message>
    <message>
        <source>Copy link to this setup</source>
        <translation>Copier le lien vers ce réglage</translation>
    </message>
    <message>
        <source>Keep profiles to compare</source>
        <translation>Conserver les profils pour comparer</translation>
    </message>
    <message>
        <source>Clear kept profiles</source>
        <translation>Effacer les profils conservés</translation>
    </message>
</context>
</TS>
