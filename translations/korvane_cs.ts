<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Light passing through a diaphragm with 2, 3, 4 or 20 slits: for each point of the screen the slits&apos; phasors added into a chain, and the interference profile they make.</source>
        <translation>Světlo procházející clonou se 2, 3, 4 nebo 20 štěrbinami: pro každý bod stínítka fázory jednotlivých štěrbin sečtené do řetězce a průběh intenzity při interferenci, který z nich vychází.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later).</source>
        <translation>Svobodný software šířený pod licencí GNU General Public License, verze 3 nebo novější (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <source>About Korvane</source>
        <translation>O programu Korvane</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Title</source>
        <translation>Nadpis</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Runs the animation for the chosen number of slits and frequency</source>
        <translation>Spustí animaci pro zvolený počet štěrbin a frekvenci</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Ukončí program</translation>
    </message>
    <message>
        <source>Slow-down factor</source>
        <translation>Faktor zpomalení</translation>
    </message>
    <message>
        <source>Frequency store</source>
        <translation>Uložená hodnota frekvence</translation>
    </message>
    <message>
        <source>Slow-down factor store</source>
        <translation>Uložená hodnota faktoru zpomalení</translation>
    </message>
    <message>
        <source>Number of slits store</source>
        <translation>Uložená hodnota počtu štěrbin</translation>
    </message>
    <message>
        <source>Frame of the grating picture</source>
        <translation>Rámeček obrázku mřížky</translation>
    </message>
    <message>
        <source>Grating picture</source>
        <translation>Obrázek mřížky</translation>
    </message>
    <message>
        <source>White light split by a grating: a white maximum in the middle, then blue, green and red maxima on either side</source>
        <translation>Bílé světlo rozložené mřížkou: uprostřed bílé maximum, po obou stranách pak modrá, zelená a červená maxima</translation>
    </message>
    <message>
        <source>Number of slits</source>
        <translation>Počet štěrbin</translation>
    </message>
    <message>
        <source>2 slits</source>
        <translation>2 štěrbiny</translation>
    </message>
    <message>
        <source>3 slits</source>
        <translation>3 štěrbiny</translation>
    </message>
    <message>
        <source>4 slits</source>
        <translation>4 štěrbiny</translation>
    </message>
    <message>
        <source>20 slits, a grating</source>
        <translation>20 štěrbin, mřížka</translation>
    </message>
    <message>
        <source>Caption: number of wavelengths per slit spacing</source>
        <translation>Popisek: počet vlnových délek na rozteč štěrbin</translation>
    </message>
    <message>
        <source>Number of wavelengths per slit spacing</source>
        <translation>Počet vlnových délek na rozteč štěrbin</translation>
    </message>
    <message>
        <source>Frequency, for 2 to 4 slits</source>
        <translation>Frekvence pro 2 až 4 štěrbiny</translation>
    </message>
    <message>
        <source>Frequency, for 20 slits</source>
        <translation>Frekvence pro 20 štěrbin</translation>
    </message>
    <message>
        <source>Caption: equal mixture of red, green and blue</source>
        <translation>Popisek: směs červené, zelené a modré stejným dílem</translation>
    </message>
    <message>
        <source>Caption: Cornu spirals</source>
        <translation>Popisek: Cornuovy spirály</translation>
    </message>
    <message>
        <source>Caption: diaphragm with grating</source>
        <translation>Popisek: clona s mřížkou</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulace</translation>
    </message>
    <message>
        <source>The incident wave, the diaphragm with its slits, the rays, the phasor chains and the interference profile on the screen</source>
        <translation>Dopadající vlna, clona se štěrbinami, paprsky, řetězce fázorů a průběh intenzity při interferenci na stínítku</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The number of slits: 2, 3, 4 or 20.</source>
        <translation>Počet štěrbin: 2, 3, 4 nebo 20.</translation>
    </message>
    <message>
        <source>The slow-down bar&apos;s position, 0 (fastest) to 10000 (a run of two minutes).</source>
        <translation>Poloha posuvníku zpomalení, 0 (nejrychleji) až 10000 (běh na dvě minuty).</translation>
    </message>
    <message>
        <source>The zoom: 100, 125, 150, 175, 200, 250, 300 or 400 per cent.</source>
        <translation>Zvětšení: 100, 125, 150, 175, 200, 250, 300 nebo 400 procent.</translation>
    </message>
    <message>
        <source>Full screen.</source>
        <translation>Celá obrazovka.</translation>
    </message>
    <message>
        <source>Show maxima: the orders ticked under the screen line.</source>
        <translation>Zobrazit maxima: řády vyznačené pod čarou stínítka.</translation>
    </message>
    <message>
        <source>One run at once, when the window is up.</source>
        <translation>Jeden běh hned, jakmile je okno otevřené.</translation>
    </message>
    <message>
        <source>The language: en, or a code of the languages the program speaks (%1).</source>
        <translation>Jazyk: en nebo kód jazyka, kterým program mluví (%1).</translation>
    </message>
    <message>
        <source>Light through 2, 3, 4 or 20 slits: phasor chains build up the interference profile.</source>
        <translation>Světlo skrz 2, 3, 4 nebo 20 štěrbin: řetězce fázorů skládají průběh intenzity interference.</translation>
    </message>
    <message>
        <source>korvane --help lists the options</source>
        <translation>korvane --help vypíše volby</translation>
    </message>
    <message>
        <source>korvane: unknown option %1; %2</source>
        <extracomment>%1 is the option as the user wrote it; the last part names korvane --help.</extracomment>
        <translation>korvane: neznámá volba %1; %2</translation>
    </message>
    <message>
        <source>korvane: unexpected argument %1; %2</source>
        <translation>korvane: nečekaný argument %1; %2</translation>
    </message>
    <message>
        <source>korvane: %1 needs a value; %2</source>
        <translation>korvane: %1 potřebuje hodnotu; %2</translation>
    </message>
    <message>
        <source>the number of slits is 2, 3, 4 or 20</source>
        <translation>počet štěrbin je 2, 3, 4 nebo 20</translation>
    </message>
    <message>
        <source>with %1 slits the frequency is a whole number from %2 to %3</source>
        <extracomment>%1 is the number of slits (4 unless --slits says otherwise).</extracomment>
        <translation>s %1 štěrbinami je frekvence celé číslo od %2 do %3</translation>
    </message>
    <message>
        <source>the slow-down is a whole number from 0 to %1</source>
        <translation>zpomalení je celé číslo od 0 do %1</translation>
    </message>
    <message>
        <source>the zoom is one of %1 per cent</source>
        <extracomment>%1 lists the zoom steps: 100, 125, ..., 400.</extracomment>
        <translation>zvětšení je jedno z %1 procent</translation>
    </message>
    <message>
        <source>the language is en or one of %1</source>
        <translation>jazyk je en nebo jeden z %1</translation>
    </message>
    <message>
        <source>korvane: %1 %2: %3</source>
        <extracomment>%1 is the option, %2 the value refused, %3 what is allowed.</extracomment>
        <translation>korvane: %1 %2: %3</translation>
    </message>
    <message>
        <source>Show the far-field curve: the textbook&apos;s intensity over the profile.</source>
        <translation>Zobrazit křivku vzdáleného pole: učebnicovou intenzitu nad průběhem.</translation>
    </message>
    <message>
        <source>korvane: %1 takes no value; %2</source>
        <translation>korvane: %1 nebere žádnou hodnotu; %2</translation>
    </message>
    <message>
        <source>Keep profiles to compare: at each Start the profile on screen stays as a coloured outline, the three most recent.</source>
        <translation>Uchovat průběhy k porovnání: při každém spuštění zůstane průběh na obrazovce jako barevný obrys, tři nejnovější.</translation>
    </message>
    <message>
        <source>korvane: %1 is given more than once; %2</source>
        <translation>korvane: %1 je zadáno víckrát; %2</translation>
    </message>
    <message>
        <source>The frequency: 20 to 200 for 2 to 4 slits, 5 to 45 for 20 slits; the slit count&apos;s frequency bar is set to it. The read-out beside the bar shows it divided by 6.28, the wavelengths per slit spacing: 3.18 at frequency 20.</source>
        <translation>Frekvence: 20 až 200 pro 2 až 4 štěrbiny, 5 až 45 pro 20 štěrbin; nastaví se na ni posuvník frekvence daného počtu štěrbin. Údaj vedle posuvníku ukazuje frekvenci dělenou 6,28, počet vlnových délek na rozteč štěrbin: 3,18 při frekvenci 20.</translation>
    </message>
    <message>
        <source>%1; the read-out beside the bar (wavelengths per slit spacing) shows %3 at frequency %2</source>
        <extracomment>%1 says the frequency&apos;s range; %2 is the frequency and %3 the read-out it gives.</extracomment>
        <translation>%1; údaj vedle posuvníku (vlnové délky na rozteč štěrbin) ukazuje %3 při frekvenci %2</translation>
    </message>
</context>
<context>
    <name>ControlTips</name>
    <message>
        <source>Slow-down: a run takes under a second. Move right for a slower run, up to two minutes.</source>
        <translation>Zpomalení: běh trvá necelou sekundu. Posunutím doprava se běh zpomalí, až na dvě minuty.</translation>
    </message>
    <message>
        <source>Slow-down: a run takes about %1 s. Move right for a slower run, up to two minutes.</source>
        <extracomment>%1 seconds.</extracomment>
        <translation>Zpomalení: běh trvá asi %1 s. Posunutím doprava se běh zpomalí, až na dvě minuty.</translation>
    </message>
    <message>
        <source>Slow-down: a run takes about %1 min %2 s. Move left for a faster run.</source>
        <extracomment>%1 minutes and %2 seconds.</extracomment>
        <translation>Zpomalení: běh trvá asi %1 min %2 s. Posunutím doleva se běh zrychlí.</translation>
    </message>
    <message>
        <source>%1 wavelengths per slit spacing: the frequency, %2, divided by %3</source>
        <extracomment>%1 is the read-out, %2 the frequency it is worked out from, %3 the divisor 6.28.</extracomment>
        <translation>%1 vlnových délek na vzdálenost štěrbin: kmitočet %2 dělený %3</translation>
    </message>
    <message>
        <source>Frequency bar. Wavelengths per slit spacing: %1</source>
        <extracomment>%1 names the frequency as the look-out does: the read-out, then the frequency.</extracomment>
        <translation>Posuvník frekvence. Vlnových délek na rozteč štěrbin: %1</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>%1 (frequency %2)</source>
        <extracomment>%1 is the read-out beside the frequency bar (wavelengths per slit spacing), %2 the frequency it is made from.</extracomment>
        <translation>%1 (frekvence %2)</translation>
    </message>
</context>
<context>
    <name>KeptProfiles</name>
    <message>
        <source>%1: %2 % of its largest</source>
        <extracomment>%1 names a kept run, as the legend does; %2 is its intensity at the look-out&apos;s column.</extracomment>
        <translation>%1: %2 % jeho maxima</translation>
    </message>
    <message numerus="yes">
        <source>%n slits, %1</source>
        <extracomment>A kept run in the legend and the look-out: its slit count, and its frequency as the read-out and the frequency.</extracomment>
        <translation>
            <numerusform>%n štěrbina, %1</numerusform>
            <numerusform>%n štěrbiny, %1</numerusform>
            <numerusform>%n štěrbin, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: intensity (% of its largest)</source>
        <extracomment>The header of a kept run&apos;s column in the profile data.</extracomment>
        <translation>%1: intenzita (% jeho maxima)</translation>
    </message>
</context>
<context>
    <name>Korvane</name>
    <message>
        <source>Please press button Start</source>
        <extracomment>The label in the middle of the window before the first run; it names the Start button, so use the button&apos;s translated caption.</extracomment>
        <translation>Klepněte na tlačítko Start</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Number of slits</source>
        <translation>Počet štěrbin</translation>
    </message>
    <message>
        <source>Number of wavelengths per slits spacing </source>
        <extracomment>Stands left of the read-out of the slit spacing divided by the wavelength.</extracomment>
        <translation>Počet vlnových délek na rozteč štěrbin </translation>
    </message>
    <message>
        <source>equal mixture of R+G+B</source>
        <extracomment>Under the grating picture, beside its white light: red, green and blue in equal parts.</extracomment>
        <translation>směs R+G+B 1:1:1</translation>
    </message>
    <message>
        <source>Cornu spirals</source>
        <extracomment>Over the phasor chains: each slit&apos;s phasor added end to end, curling towards a spiral.</extracomment>
        <translation>Cornuovy spirály</translation>
    </message>
    <message>
        <source>diaphragm with grating</source>
        <translation>clona s mřížkou</translation>
    </message>
</context>
<context>
    <name>LessonLink</name>
    <message>
        <source>the browser&apos;s language</source>
        <translation>jazyk prohlížeče</translation>
    </message>
    <message>
        <source>off</source>
        <translation>vypnuto</translation>
    </message>
    <message>
        <source>given more than once</source>
        <translation>zadáno víckrát</translation>
    </message>
    <message>
        <source>%1 stands alone, or as %1=1 or %1=0</source>
        <extracomment>%1 is the parameter&apos;s name, as in the link.</extracomment>
        <translation>%1 stojí samo, nebo jako %1=1 či %1=0</translation>
    </message>
    <message>
        <source>Korvane has no such setting</source>
        <translation>Korvane takové nastavení nemá</translation>
    </message>
    <message>
        <source>The link&apos;s settings could not all be used:</source>
        <translation>Všechna nastavení z odkazu nešlo použít:</translation>
    </message>
    <message>
        <source>%1: %2; it is left out.</source>
        <translation>%1: %2; vynechává se.</translation>
    </message>
    <message>
        <source>%1: %2; %3 is used instead.</source>
        <translation>%1: %2; místo toho se použije %3.</translation>
    </message>
    <message>
        <source>Link to a lesson</source>
        <translation>Odkaz na hodinu</translation>
    </message>
</context>
<context>
    <name>LookOut</name>
    <message>
        <source>Column x = %1 twips</source>
        <extracomment>A column of the screen line, by its x in twips.</extracomment>
        <translation>Sloupec x = %1 twipů</translation>
    </message>
    <message>
        <source>Phase step: %1° = %2 λ</source>
        <extracomment>%1 in degrees, %2 in wavelengths (lambda) of path difference.</extracomment>
        <translation>Fázový posun: %1° = %2 λ</translation>
    </message>
    <message>
        <source>Mean phase step: %1° = %2 λ</source>
        <translation>Střední fázový posun: %1° = %2 λ</translation>
    </message>
    <message>
        <source>Steps differ by up to ±%1° (finite distance)</source>
        <extracomment>The screen is not infinitely far, so each pair of neighbouring slits has a slightly different step.</extracomment>
        <translation>Posuny se liší až o ±%1° (konečná vzdálenost)</translation>
    </message>
    <message>
        <source>Intensity: %1 % of the run&apos;s largest</source>
        <translation>Intenzita: %1 % největší v tomto běhu</translation>
    </message>
    <message>
        <source>Nearest order m = %1 at x = %2, %3 twips away</source>
        <extracomment>The order m of the grating equation d sin(theta) = m lambda nearest to the pointer.</extracomment>
        <translation>Nejbližší řád m = %1 v x = %2, vzdálen %3 twipů</translation>
    </message>
    <message>
        <source>Far field: %1 % of its largest</source>
        <extracomment>The textbook&apos;s intensity of the same slits seen from infinitely far, at this column.</extracomment>
        <translation>Vzdálené pole: %1 % jeho maxima</translation>
    </message>
    <message>
        <source>far field, scaled to the tallest bar</source>
        <extracomment>Beside the far-field curve drawn over the profile.</extracomment>
        <translation>vzdálené pole, v měřítku nejvyššího sloupce</translation>
    </message>
    <message>
        <source>Angle from the slits: θ = %1°</source>
        <extracomment>The angle theta from the middle of the slits to the column, positive to the left.</extracomment>
        <translation>Úhel od štěrbin: θ = %1°</translation>
    </message>
    <message>
        <source>Slits: %1   Wavelengths per slit spacing: %2</source>
        <extracomment>%2 names the frequency as the read-out beside the bar does, then the frequency itself.</extracomment>
        <translation>Štěrbin: %1   Vlnových délek na rozteč štěrbin: %2</translation>
    </message>
</context>
<context>
    <name>NoDisplay</name>
    <message>
        <source>korvane: no display to open the window on (DISPLAY is not set); run it from a desktop session, or headless with: xvfb-run -a %1</source>
        <translation>korvane: není k dispozici žádný displej, na kterém by se dalo otevřít okno (DISPLAY není nastaveno); spusťte program v grafickém prostředí, nebo bez displeje takto: xvfb-run -a %1</translation>
    </message>
</context>
<context>
    <name>ProfileData</name>
    <message>
        <source>column (twips: 1/1440 inch or 1/15 pixel)</source>
        <extracomment>Column headers of the profile data, as a spreadsheet shows them.</extracomment>
        <translation>sloupec (twipy: 1/1440 palce neboli 1/15 pixelu)</translation>
    </message>
    <message>
        <source>theta (degrees)</source>
        <translation>théta (stupně)</translation>
    </message>
    <message>
        <source>path difference (wavelengths)</source>
        <translation>dráhový rozdíl (vlnové délky)</translation>
    </message>
    <message>
        <source>intensity (% of the run&apos;s largest)</source>
        <translation>intenzita (% největší v běhu)</translation>
    </message>
    <message>
        <source>bar height (twips)</source>
        <translation>výška sloupce (twipy)</translation>
    </message>
    <message>
        <source>slits</source>
        <translation>štěrbiny</translation>
    </message>
    <message>
        <source>frequency (the read-out is it / 6.28: wavelengths per slit spacing)</source>
        <translation>frekvence (údaj v okně je frekvence / 6,28: vlnové délky na rozteč štěrbin)</translation>
    </message>
</context>
<context>
    <name>SavePicture</name>
    <message>
        <source>It is a folder.</source>
        <translation>Je to složka.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Není to soubor.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>paused</source>
        <extracomment>In the title bar while a run stands paused: &quot;Korvane (paused)&quot;.</extracomment>
        <translation>pozastaveno</translation>
    </message>
</context>
<context>
    <name>korvane::ColumnMarker</name>
    <message>
        <source>Look-out&apos;s column</source>
        <translation>Sloupec pohledu zblízka</translation>
    </message>
</context>
<context>
    <name>korvane::Exports</name>
    <message>
        <source>Copy picture</source>
        <translation>Kopírovat obrázek</translation>
    </message>
    <message>
        <source>This browser does not let the page put a picture on the clipboard. Save picture offers it as a download instead.</source>
        <translation>Tento prohlížeč nedovolí stránce vložit obrázek do schránky. Uložit obrázek ho místo toho nabídne ke stažení.</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Uložit obrázek</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Obrázek PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1.

%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason, as the system gives it.</extracomment>
        <translation>Obrázek se nepodařilo uložit jako %1.

%2</translation>
    </message>
    <message>
        <source>Save profile data</source>
        <translation>Uložit data průběhu</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabulka CSV (*.csv)</translation>
    </message>
    <message>
        <source>The profile data could not be saved as %1.

%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason, as the system gives it.</extracomment>
        <translation>Data průběhu nebylo možné uložit jako %1.

%2</translation>
    </message>
</context>
<context>
    <name>korvane::FarFieldLayer</name>
    <message>
        <source>Far-field curve</source>
        <translation>Křivka vzdáleného pole</translation>
    </message>
</context>
<context>
    <name>korvane::KeptProfilesLayer</name>
    <message>
        <source>Kept profiles</source>
        <translation>Uchované průběhy</translation>
    </message>
</context>
<context>
    <name>korvane::LookOutPanel</name>
    <message>
        <source>Look-out</source>
        <translation>Pohled zblízka</translation>
    </message>
</context>
<context>
    <name>korvane::MainWindow</name>
    <message>
        <source>Exit waits for the run to end; Space pauses, and then Exit ends at once</source>
        <translation>Konec čeká, až běh skončí; mezerník ho pozastaví a Konec pak skončí hned</translation>
    </message>
    <message>
        <source>Clicks wait for the run to end; Space pauses it</source>
        <translation>Klepnutí čekají, až běh skončí; mezerník ho pozastaví</translation>
    </message>
    <message>
        <source>Zoom %1 % would not fit this screen</source>
        <extracomment>%1 is a zoom step in per cent.</extracomment>
        <translation>Zvětšení %1 % se na tuto obrazovku nevejde</translation>
    </message>
    <message>
        <source>F11 fills the screen with the window.</source>
        <translation>F11 roztáhne okno na celou obrazovku.</translation>
    </message>
    <message>
        <source>Opened at %1 %: %2 % would not fit this screen</source>
        <extracomment>%1 is the zoom the window opened at, %2 the one asked for, in per cent.</extracomment>
        <translation>Otevřeno na %1 %: %2 % se na tuto obrazovku nevejde</translation>
    </message>
</context>
<context>
    <name>korvane::OrderMarks</name>
    <message>
        <source>Orders of the grating equation</source>
        <translation>Řády mřížkové rovnice</translation>
    </message>
</context>
<context>
    <name>korvane::PauseHint</name>
    <message>
        <source>Paused</source>
        <translation>Pozastaveno</translation>
    </message>
    <message>
        <source>Paused before the first column</source>
        <translation>Pozastaveno před prvním sloupcem</translation>
    </message>
    <message>
        <source>Paused at column x = %1 twips</source>
        <translation>Pozastaveno ve sloupci x = %1 twipů</translation>
    </message>
    <message>
        <source>Space: go on.  Home, End: the first column, the end.</source>
        <translation>Mezerník: pokračovat.  Home, End: první sloupec, konec.</translation>
    </message>
    <message>
        <source>Left, Right: a chain back or on; with Shift, a pixel.</source>
        <translation>Šipky vlevo, vpravo: o řetězec zpět či dál; se Shiftem o pixel.</translation>
    </message>
</context>
<context>
    <name>korvane::WindowMenu</name>
    <message>
        <source>Window menu</source>
        <translation>Nabídka okna</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Přiblížit</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Oddálit</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Skutečná velikost</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Celá obrazovka</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Kopírovat obrázek</translation>
    </message>
    <message>
        <source>Save picture...</source>
        <translation>Uložit obrázek...</translation>
    </message>
    <message>
        <source>About Korvane</source>
        <translation>O programu Korvane</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Ukončit režim celé obrazovky</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Nabídka</translation>
    </message>
    <message>
        <source>Show maxima</source>
        <translation>Zobrazit maxima</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Show far-field curve</source>
        <translation>Zobrazit křivku vzdáleného pole</translation>
    </message>
    <message>
        <source>Copy profile data</source>
        <translation>Kopírovat data průběhu</translation>
    </message>
    <message>
        <source>Save profile data...</source>
        <translation>Uložit data průběhu...</translation>
    </message>
    <message>
        <source>Copy link to this setup</source>
        <translation>Kopírovat odkaz na toto nastavení</translation>
    </message>
    <message>
        <source>Keep profiles to compare</source>
        <translation>Uchovat průběhy k porovnání</translation>
    </message>
    <message>
        <source>Clear kept profiles</source>
        <translation>Smazat uchované průběhy</translation>
    </message>
</context>
</TS>
