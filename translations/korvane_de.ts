<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Light passing through a diaphragm with 2, 3, 4 or 20 slits: for each point of the screen the slits&apos; phasors added into a chain, and the interference profile they make.</source>
        <translation>Licht, das durch eine Blende mit 2, 3, 4 oder 20 Spalten fällt: für jeden Punkt des Schirms die zu einer Kette aneinandergefügten Zeiger der Spalte und das Interferenzmuster, das sie ergeben.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later).</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder neuer (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <source>About Korvane</source>
        <translation>Über Korvane</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Runs the animation for the chosen number of slits and frequency</source>
        <translation>Startet die Animation für die gewählte Anzahl der Spalte und Frequenz</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Beendet das Programm</translation>
    </message>
    <message>
        <source>Slow-down factor</source>
        <translation>Verlangsamungsfaktor</translation>
    </message>
    <message>
        <source>Frequency store</source>
        <translation>Speicher für die Frequenz</translation>
    </message>
    <message>
        <source>Slow-down factor store</source>
        <translation>Speicher für den Verlangsamungsfaktor</translation>
    </message>
    <message>
        <source>Number of slits store</source>
        <translation>Speicher für die Anzahl der Spalte</translation>
    </message>
    <message>
        <source>Frame of the grating picture</source>
        <translation>Rahmen des Gitterbilds</translation>
    </message>
    <message>
        <source>Grating picture</source>
        <translation>Gitterbild</translation>
    </message>
    <message>
        <source>White light split by a grating: a white maximum in the middle, then blue, green and red maxima on either side</source>
        <translation>Weißes Licht, von einem Gitter zerlegt: in der Mitte ein weißes Maximum, dann zu beiden Seiten blaue, grüne und rote Maxima</translation>
    </message>
    <message>
        <source>Number of slits</source>
        <translation>Anzahl der Spalte</translation>
    </message>
    <message>
        <source>2 slits</source>
        <translation>2 Spalte</translation>
    </message>
    <message>
        <source>3 slits</source>
        <translation>3 Spalte</translation>
    </message>
    <message>
        <source>4 slits</source>
        <translation>4 Spalte</translation>
    </message>
    <message>
        <source>20 slits, a grating</source>
        <translation>20 Spalte, ein Gitter</translation>
    </message>
    <message>
        <source>Caption: number of wavelengths per slit spacing</source>
        <translation>Beschriftung: Wellenlängen pro Spaltabstand</translation>
    </message>
    <message>
        <source>Number of wavelengths per slit spacing</source>
        <translation>Anzahl der Wellenlängen pro Spaltabstand</translation>
    </message>
    <message>
        <source>Frequency, for 2 to 4 slits</source>
        <translation>Frequenz, für 2 bis 4 Spalte</translation>
    </message>
    <message>
        <source>Frequency, for 20 slits</source>
        <translation>Frequenz, für 20 Spalte</translation>
    </message>
    <message>
        <source>Caption: equal mixture of red, green and blue</source>
        <translation>Beschriftung: gleiche Anteile Rot, Grün und Blau</translation>
    </message>
    <message>
        <source>Caption: Cornu spirals</source>
        <translation>Beschriftung: Cornu-Spiralen</translation>
    </message>
    <message>
        <source>Caption: diaphragm with grating</source>
        <translation>Beschriftung: Blende mit Gitter</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>The incident wave, the diaphragm with its slits, the rays, the phasor chains and the interference profile on the screen</source>
        <translation>Die einfallende Welle, die Blende mit ihren Spalten, die Strahlen, die Zeigerketten und das Interferenzmuster auf dem Schirm</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The number of slits: 2, 3, 4 or 20.</source>
        <translation>Die Zahl der Spalte: 2, 3, 4 oder 20.</translation>
    </message>
    <message>
        <source>The slow-down bar&apos;s position, 0 (fastest) to 10000 (a run of two minutes).</source>
        <translation>Die Stellung des Verlangsamungsreglers, 0 (am schnellsten) bis 10000 (ein Lauf von zwei Minuten).</translation>
    </message>
    <message>
        <source>The zoom: 100, 125, 150, 175, 200, 250, 300 or 400 per cent.</source>
        <translation>Der Zoom: 100, 125, 150, 175, 200, 250, 300 oder 400 Prozent.</translation>
    </message>
    <message>
        <source>Full screen.</source>
        <translation>Vollbild.</translation>
    </message>
    <message>
        <source>Show maxima: the orders ticked under the screen line.</source>
        <translation>Maxima zeigen: die Ordnungen unter der Schirmlinie markiert.</translation>
    </message>
    <message>
        <source>One run at once, when the window is up.</source>
        <translation>Ein Lauf sofort, sobald das Fenster offen ist.</translation>
    </message>
    <message>
        <source>The language: en, or a code of the languages the program speaks (%1).</source>
        <translation>Die Sprache: en oder der Code einer Sprache, die das Programm spricht (%1).</translation>
    </message>
    <message>
        <source>Light through 2, 3, 4 or 20 slits: phasor chains build up the interference profile.</source>
        <translation>Licht durch 2, 3, 4 oder 20 Spalte: Zeigerketten bauen die Intensitätsverteilung auf.</translation>
    </message>
    <message>
        <source>korvane --help lists the options</source>
        <translation>korvane --help zeigt die Optionen</translation>
    </message>
    <message>
        <source>korvane: unknown option %1; %2</source>
        <extracomment>%1 is the option as the user wrote it; the last part names korvane --help.</extracomment>
        <translation>korvane: unbekannte Option %1; %2</translation>
    </message>
    <message>
        <source>korvane: unexpected argument %1; %2</source>
        <translation>korvane: unerwartetes Argument %1; %2</translation>
    </message>
    <message>
        <source>korvane: %1 needs a value; %2</source>
        <translation>korvane: %1 braucht einen Wert; %2</translation>
    </message>
    <message>
        <source>the number of slits is 2, 3, 4 or 20</source>
        <translation>die Zahl der Spalte ist 2, 3, 4 oder 20</translation>
    </message>
    <message>
        <source>with %1 slits the frequency is a whole number from %2 to %3</source>
        <extracomment>%1 is the number of slits (4 unless --slits says otherwise).</extracomment>
        <translation>mit %1 Spalten ist die Frequenz eine ganze Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>the slow-down is a whole number from 0 to %1</source>
        <translation>die Verlangsamung ist eine ganze Zahl von 0 bis %1</translation>
    </message>
    <message>
        <source>the zoom is one of %1 per cent</source>
        <extracomment>%1 lists the zoom steps: 100, 125, ..., 400.</extracomment>
        <translation>der Zoom ist einer von %1 Prozent</translation>
    </message>
    <message>
        <source>the language is en or one of %1</source>
        <translation>die Sprache ist en oder eine von %1</translation>
    </message>
    <message>
        <source>korvane: %1 %2: %3</source>
        <extracomment>%1 is the option, %2 the value refused, %3 what is allowed.</extracomment>
        <translation>korvane: %1 %2: %3</translation>
    </message>
    <message>
        <source>Show the far-field curve: the textbook&apos;s intensity over the profile.</source>
        <translation>Die Fernfeldkurve zeigen: die Intensität aus dem Lehrbuch über der Verteilung.</translation>
    </message>
    <message>
        <source>korvane: %1 takes no value; %2</source>
        <translation>korvane: %1 nimmt keinen Wert; %2</translation>
    </message>
    <message>
        <source>Keep profiles to compare: at each Start the profile on screen stays as a coloured outline, the three most recent.</source>
        <translation>Verteilungen zum Vergleich behalten: bei jedem Start bleibt die Verteilung auf dem Bildschirm als farbige Umrisslinie stehen, die drei neuesten.</translation>
    </message>
    <message>
        <source>korvane: %1 is given more than once; %2</source>
        <translation>korvane: %1 ist mehr als einmal angegeben; %2</translation>
    </message>
    <message>
        <source>The frequency: 20 to 200 for 2 to 4 slits, 5 to 45 for 20 slits; the slit count&apos;s frequency bar is set to it. The read-out beside the bar shows it divided by 6.28, the wavelengths per slit spacing: 3.18 at frequency 20.</source>
        <translation>Die Frequenz: 20 bis 200 für 2 bis 4 Spalte, 5 bis 45 für 20 Spalte; der Frequenzregler der Spaltzahl wird darauf gestellt. Die Anzeige neben dem Regler zeigt sie geteilt durch 6,28, die Wellenlängen pro Spaltabstand: 3,18 bei Frequenz 20.</translation>
    </message>
    <message>
        <source>%1; the read-out beside the bar (wavelengths per slit spacing) shows %3 at frequency %2</source>
        <extracomment>%1 says the frequency&apos;s range; %2 is the frequency and %3 the read-out it gives.</extracomment>
        <translation>%1; die Anzeige neben dem Regler (Wellenlängen pro Spaltabstand) zeigt %3 bei Frequenz %2</translation>
    </message>
</context>
<context>
    <name>ControlTips</name>
    <message>
        <source>Slow-down: a run takes under a second. Move right for a slower run, up to two minutes.</source>
        <translation>Verlangsamung: Ein Durchlauf dauert weniger als eine Sekunde. Nach rechts für einen langsameren Durchlauf, bis zu zwei Minuten.</translation>
    </message>
    <message>
        <source>Slow-down: a run takes about %1 s. Move right for a slower run, up to two minutes.</source>
        <extracomment>%1 seconds.</extracomment>
        <translation>Verlangsamung: Ein Durchlauf dauert etwa %1 s. Nach rechts für einen langsameren Durchlauf, bis zu zwei Minuten.</translation>
    </message>
    <message>
        <source>Slow-down: a run takes about %1 min %2 s. Move left for a faster run.</source>
        <extracomment>%1 minutes and %2 seconds.</extracomment>
        <translation>Verlangsamung: Ein Durchlauf dauert etwa %1 min %2 s. Nach links für einen schnelleren Durchlauf.</translation>
    </message>
    <message>
        <source>%1 wavelengths per slit spacing: the frequency, %2, divided by %3</source>
        <extracomment>%1 is the read-out, %2 the frequency it is worked out from, %3 the divisor 6.28.</extracomment>
        <translation>%1 Wellenlängen pro Spaltabstand: die Frequenz %2, geteilt durch %3</translation>
    </message>
    <message>
        <source>Frequency bar. Wavelengths per slit spacing: %1</source>
        <extracomment>%1 names the frequency as the look-out does: the read-out, then the frequency.</extracomment>
        <translation>Frequenzregler. Wellenlängen pro Spaltabstand: %1</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>%1 (frequency %2)</source>
        <extracomment>%1 is the read-out beside the frequency bar (wavelengths per slit spacing), %2 the frequency it is made from.</extracomment>
        <translation>%1 (Frequenz %2)</translation>
    </message>
</context>
<context>
    <name>KeptProfiles</name>
    <message>
        <source>%1: %2 % of its largest</source>
        <extracomment>%1 names a kept run, as the legend does; %2 is its intensity at the look-out&apos;s column.</extracomment>
        <translation>%1: %2 % seines Maximums</translation>
    </message>
    <message numerus="yes">
        <source>%n slits, %1</source>
        <extracomment>A kept run in the legend and the look-out: its slit count, and its frequency as the read-out and the frequency.</extracomment>
        <translation>
            <numerusform>%n Spalt, %1</numerusform>
            <numerusform>%n Spalte, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: intensity (% of its largest)</source>
        <extracomment>The header of a kept run&apos;s column in the profile data.</extracomment>
        <translation>%1: Intensität (% seines Maximums)</translation>
    </message>
</context>
<context>
    <name>Korvane</name>
    <message>
        <source>Please press button Start</source>
        <extracomment>The label in the middle of the window before the first run; it names the Start button, so use the button&apos;s translated caption.</extracomment>
        <translation>Bitte auf Start klicken</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Number of slits</source>
        <translation>Anzahl der Spalte</translation>
    </message>
    <message>
        <source>Number of wavelengths per slits spacing </source>
        <extracomment>Stands left of the read-out of the slit spacing divided by the wavelength.</extracomment>
        <translation>Wellenlängen pro Spaltabstand </translation>
    </message>
    <message>
        <source>equal mixture of R+G+B</source>
        <extracomment>Under the grating picture, beside its white light: red, green and blue in equal parts.</extracomment>
        <translation>gleiche Anteile R+G+B</translation>
    </message>
    <message>
        <source>Cornu spirals</source>
        <extracomment>Over the phasor chains: each slit&apos;s phasor added end to end, curling towards a spiral.</extracomment>
        <translation>Cornu-Spiralen</translation>
    </message>
    <message>
        <source>diaphragm with grating</source>
        <translation>Blende mit Gitter</translation>
    </message>
</context>
<context>
    <name>LessonLink</name>
    <message>
        <source>the browser&apos;s language</source>
        <translation>die Sprache des Browsers</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>given more than once</source>
        <translation>mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>%1 stands alone, or as %1=1 or %1=0</source>
        <extracomment>%1 is the parameter&apos;s name, as in the link.</extracomment>
        <translation>%1 steht allein oder als %1=1 oder %1=0</translation>
    </message>
    <message>
        <source>Korvane has no such setting</source>
        <translation>Korvane hat keine solche Einstellung</translation>
    </message>
    <message>
        <source>The link&apos;s settings could not all be used:</source>
        <translation>Nicht alle Einstellungen des Links ließen sich verwenden:</translation>
    </message>
    <message>
        <source>%1: %2; it is left out.</source>
        <translation>%1: %2; wird weggelassen.</translation>
    </message>
    <message>
        <source>%1: %2; %3 is used instead.</source>
        <translation>%1: %2; stattdessen wird %3 verwendet.</translation>
    </message>
    <message>
        <source>Link to a lesson</source>
        <translation>Link zu einer Unterrichtsstunde</translation>
    </message>
</context>
<context>
    <name>LookOut</name>
    <message>
        <source>Column x = %1 twips</source>
        <extracomment>A column of the screen line, by its x in twips.</extracomment>
        <translation>Schirmposition x = %1 Twips</translation>
    </message>
    <message>
        <source>Phase step: %1° = %2 λ</source>
        <extracomment>%1 in degrees, %2 in wavelengths (lambda) of path difference.</extracomment>
        <translation>Phasenschritt: %1° = %2 λ</translation>
    </message>
    <message>
        <source>Mean phase step: %1° = %2 λ</source>
        <translation>Mittlerer Phasenschritt: %1° = %2 λ</translation>
    </message>
    <message>
        <source>Steps differ by up to ±%1° (finite distance)</source>
        <extracomment>The screen is not infinitely far, so each pair of neighbouring slits has a slightly different step.</extracomment>
        <translation>Schritte weichen bis ±%1° ab (endlicher Abstand)</translation>
    </message>
    <message>
        <source>Intensity: %1 % of the run&apos;s largest</source>
        <translation>Intensität: %1 % der größten dieses Laufs</translation>
    </message>
    <message>
        <source>Nearest order m = %1 at x = %2, %3 twips away</source>
        <extracomment>The order m of the grating equation d sin(theta) = m lambda nearest to the pointer.</extracomment>
        <translation>Nächste Ordnung m = %1 bei x = %2, %3 Twips entfernt</translation>
    </message>
    <message>
        <source>Far field: %1 % of its largest</source>
        <extracomment>The textbook&apos;s intensity of the same slits seen from infinitely far, at this column.</extracomment>
        <translation>Fernfeld: %1 % seines Maximums</translation>
    </message>
    <message>
        <source>far field, scaled to the tallest bar</source>
        <extracomment>Beside the far-field curve drawn over the profile.</extracomment>
        <translation>Fernfeld, auf den höchsten Balken skaliert</translation>
    </message>
    <message>
        <source>Angle from the slits: θ = %1°</source>
        <extracomment>The angle theta from the middle of the slits to the column, positive to the left.</extracomment>
        <translation>Winkel von den Spalten: θ = %1°</translation>
    </message>
    <message>
        <source>Slits: %1   Wavelengths per slit spacing: %2</source>
        <extracomment>%2 names the frequency as the read-out beside the bar does, then the frequency itself.</extracomment>
        <translation>Spalte: %1   Wellenlängen pro Spaltabstand: %2</translation>
    </message>
</context>
<context>
    <name>NoDisplay</name>
    <message>
        <source>korvane: no display to open the window on (DISPLAY is not set); run it from a desktop session, or headless with: xvfb-run -a %1</source>
        <translation>korvane: keine Anzeige, auf der sich das Fenster öffnen lässt (DISPLAY ist nicht gesetzt); starten Sie das Programm in einer Desktop-Sitzung oder ohne Bildschirm mit: xvfb-run -a %1</translation>
    </message>
</context>
<context>
    <name>ProfileData</name>
    <message>
        <source>column (twips: 1/1440 inch or 1/15 pixel)</source>
        <extracomment>Column headers of the profile data, as a spreadsheet shows them.</extracomment>
        <translation>Schirmposition (Twips: 1/1440 Zoll oder 1/15 Pixel)</translation>
    </message>
    <message>
        <source>theta (degrees)</source>
        <translation>Theta (Grad)</translation>
    </message>
    <message>
        <source>path difference (wavelengths)</source>
        <translation>Gangunterschied (Wellenlängen)</translation>
    </message>
    <message>
        <source>intensity (% of the run&apos;s largest)</source>
        <translation>Intensität (% der größten des Laufs)</translation>
    </message>
    <message>
        <source>bar height (twips)</source>
        <translation>Balkenhöhe (Twips)</translation>
    </message>
    <message>
        <source>slits</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>frequency (the read-out is it / 6.28: wavelengths per slit spacing)</source>
        <translation>Frequenz (die Anzeige ist sie / 6,28: Wellenlängen pro Spaltabstand)</translation>
    </message>
</context>
<context>
    <name>SavePicture</name>
    <message>
        <source>It is a folder.</source>
        <translation>Das ist ein Ordner.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Das ist keine Datei.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>paused</source>
        <extracomment>In the title bar while a run stands paused: &quot;Korvane (paused)&quot;.</extracomment>
        <translation>angehalten</translation>
    </message>
</context>
<context>
    <name>korvane::ColumnMarker</name>
    <message>
        <source>Look-out&apos;s column</source>
        <translation>Position der Nahansicht</translation>
    </message>
</context>
<context>
    <name>korvane::Exports</name>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>This browser does not let the page put a picture on the clipboard. Save picture offers it as a download instead.</source>
        <translation>Dieser Browser lässt die Seite kein Bild in die Zwischenablage legen. Bild speichern bietet es stattdessen zum Herunterladen an.</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1.

%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason, as the system gives it.</extracomment>
        <translation>Das Bild konnte nicht als %1 gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Save profile data</source>
        <translation>Verteilungsdaten speichern</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>The profile data could not be saved as %1.

%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason, as the system gives it.</extracomment>
        <translation>Die Verteilungsdaten konnten nicht als %1 gespeichert werden.

%2</translation>
    </message>
</context>
<context>
    <name>korvane::FarFieldLayer</name>
    <message>
        <source>Far-field curve</source>
        <translation>Fernfeldkurve</translation>
    </message>
</context>
<context>
    <name>korvane::KeptProfilesLayer</name>
    <message>
        <source>Kept profiles</source>
        <translation>Behaltene Verteilungen</translation>
    </message>
</context>
<context>
    <name>korvane::LookOutPanel</name>
    <message>
        <source>Look-out</source>
        <translation>Nahansicht</translation>
    </message>
</context>
<context>
    <name>korvane::MainWindow</name>
    <message>
        <source>Exit waits for the run to end; Space pauses, and then Exit ends at once</source>
        <translation>Ende wartet, bis der Durchlauf endet; die Leertaste hält ihn an, und dann beendet Ende sofort</translation>
    </message>
    <message>
        <source>Clicks wait for the run to end; Space pauses it</source>
        <translation>Klicks warten, bis der Durchlauf endet; die Leertaste hält ihn an</translation>
    </message>
    <message>
        <source>Zoom %1 % would not fit this screen</source>
        <extracomment>%1 is a zoom step in per cent.</extracomment>
        <translation>Zoom %1 % passt nicht auf diesen Bildschirm</translation>
    </message>
    <message>
        <source>F11 fills the screen with the window.</source>
        <translation>F11 füllt den Bildschirm mit dem Fenster.</translation>
    </message>
    <message>
        <source>Opened at %1 %: %2 % would not fit this screen</source>
        <extracomment>%1 is the zoom the window opened at, %2 the one asked for, in per cent.</extracomment>
        <translation>Geöffnet mit %1 %: %2 % passt nicht auf diesen Bildschirm</translation>
    </message>
</context>
<context>
    <name>korvane::OrderMarks</name>
    <message>
        <source>Orders of the grating equation</source>
        <translation>Ordnungen der Gittergleichung</translation>
    </message>
</context>
<context>
    <name>korvane::PauseHint</name>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Paused before the first column</source>
        <translation>Angehalten vor der ersten Schirmposition</translation>
    </message>
    <message>
        <source>Paused at column x = %1 twips</source>
        <translation>Angehalten bei x = %1 Twips</translation>
    </message>
    <message>
        <source>Space: go on.  Home, End: the first column, the end.</source>
        <translation>Leertaste: weiter.  Pos1, Ende: erste Position, Schluss.</translation>
    </message>
    <message>
        <source>Left, Right: a chain back or on; with Shift, a pixel.</source>
        <translation>Links, Rechts: eine Kette zurück oder vor; mit Umschalt ein Pixel.</translation>
    </message>
</context>
<context>
    <name>korvane::WindowMenu</name>
    <message>
        <source>Window menu</source>
        <translation>Fenstermenü</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbildmodus</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Save picture...</source>
        <translation>Bild speichern...</translation>
    </message>
    <message>
        <source>About Korvane</source>
        <translation>Über Korvane</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Vollbildmodus beenden</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Show maxima</source>
        <translation>Maxima zeigen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Show far-field curve</source>
        <translation>Fernfeldkurve zeigen</translation>
    </message>
    <message>
        <source>Copy profile data</source>
        <translation>Verteilungsdaten kopieren</translation>
    </message>
    <message>
        <source>Save profile data...</source>
        <translation>Verteilungsdaten speichern...</translation>
    </message>
    <message>
        <source>Copy link to this setup</source>
        <translation>Link zu dieser Einstellung kopieren</translation>
    </message>
    <message>
        <source>Keep profiles to compare</source>
        <translation>Verteilungen zum Vergleich behalten</translation>
    </message>
    <message>
        <source>Clear kept profiles</source>
        <translation>Behaltene Verteilungen löschen</translation>
    </message>
</context>
</TS>
