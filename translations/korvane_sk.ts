<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Light passing through a diaphragm with 2, 3, 4 or 20 slits: for each point of the screen the slits&apos; phasors added into a chain, and the interference profile they make.</source>
        <translation>Svetlo prechádzajúce clonou s 2, 3, 4 alebo 20 štrbinami: pre každý bod tienidla fázory jednotlivých štrbín sčítané do reťazca a priebeh intenzity pri interferencii, ktorý z nich vychádza.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later).</source>
        <translation>Slobodný softvér šírený pod licenciou GNU General Public License, verzia 3 alebo novšia (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <source>About Korvane</source>
        <translation>O programe Korvane</translation>
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
        <translation>Štart</translation>
    </message>
    <message>
        <source>Runs the animation for the chosen number of slits and frequency</source>
        <translation>Spustí animáciu pre zvolený počet štrbín a frekvenciu</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Odísť</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Ukončí program</translation>
    </message>
    <message>
        <source>Slow-down factor</source>
        <translation>Faktor spomalenia</translation>
    </message>
    <message>
        <source>Frequency store</source>
        <translation>Uložená hodnota frekvencie</translation>
    </message>
    <message>
        <source>Slow-down factor store</source>
        <translation>Uložená hodnota faktora spomalenia</translation>
    </message>
    <message>
        <source>Number of slits store</source>
        <translation>Uložená hodnota počtu štrbín</translation>
    </message>
    <message>
        <source>Frame of the grating picture</source>
        <translation>Rámček obrázka mriežky</translation>
    </message>
    <message>
        <source>Grating picture</source>
        <translation>Obrázok mriežky</translation>
    </message>
    <message>
        <source>White light split by a grating: a white maximum in the middle, then blue, green and red maxima on either side</source>
        <translation>Biele svetlo rozložené mriežkou: v strede biele maximum, po oboch stranách potom modré, zelené a červené maximá</translation>
    </message>
    <message>
        <source>Number of slits</source>
        <translation>Počet štrbín</translation>
    </message>
    <message>
        <source>2 slits</source>
        <translation>2 štrbiny</translation>
    </message>
    <message>
        <source>3 slits</source>
        <translation>3 štrbiny</translation>
    </message>
    <message>
        <source>4 slits</source>
        <translation>4 štrbiny</translation>
    </message>
    <message>
        <source>20 slits, a grating</source>
        <translation>20 štrbín, mriežka</translation>
    </message>
    <message>
        <source>Caption: number of wavelengths per slit spacing</source>
        <translation>Popisok: počet vlnových dĺžok na rozostup štrbín</translation>
    </message>
    <message>
        <source>Number of wavelengths per slit spacing</source>
        <translation>Počet vlnových dĺžok na rozostup štrbín</translation>
    </message>
    <message>
        <source>Frequency, for 2 to 4 slits</source>
        <translation>Frekvencia pre 2 až 4 štrbiny</translation>
    </message>
    <message>
        <source>Frequency, for 20 slits</source>
        <translation>Frekvencia pre 20 štrbín</translation>
    </message>
    <message>
        <source>Caption: equal mixture of red, green and blue</source>
        <translation>Popisok: zmes červenej, zelenej a modrej v rovnakom pomere</translation>
    </message>
    <message>
        <source>Caption: Cornu spirals</source>
        <translation>Popisok: Cornuove špirály</translation>
    </message>
    <message>
        <source>Caption: diaphragm with grating</source>
        <translation>Popisok: clona s mriežkou</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulácia</translation>
    </message>
    <message>
        <source>The incident wave, the diaphragm with its slits, the rays, the phasor chains and the interference profile on the screen</source>
        <translation>Dopadajúca vlna, clona so štrbinami, lúče, reťazce fázorov a priebeh intenzity pri interferencii na tienidle</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The number of slits: 2, 3, 4 or 20.</source>
        <translation>Počet štrbín: 2, 3, 4 alebo 20.</translation>
    </message>
    <message>
        <source>The slow-down bar&apos;s position, 0 (fastest) to 10000 (a run of two minutes).</source>
        <translation>Poloha posuvníka spomalenia, 0 (najrýchlejšie) až 10000 (beh na dve minúty).</translation>
    </message>
    <message>
        <source>The zoom: 100, 125, 150, 175, 200, 250, 300 or 400 per cent.</source>
        <translation>Zväčšenie: 100, 125, 150, 175, 200, 250, 300 alebo 400 percent.</translation>
    </message>
    <message>
        <source>Full screen.</source>
        <translation>Celá obrazovka.</translation>
    </message>
    <message>
        <source>Show maxima: the orders ticked under the screen line.</source>
        <translation>Zobraziť maximá: rády vyznačené pod čiarou tienidla.</translation>
    </message>
    <message>
        <source>One run at once, when the window is up.</source>
        <translation>Jeden beh hneď, ako je okno otvorené.</translation>
    </message>
    <message>
        <source>The language: en, or a code of the languages the program speaks (%1).</source>
        <translation>Jazyk: en alebo kód jazyka, ktorým program hovorí (%1).</translation>
    </message>
    <message>
        <source>Light through 2, 3, 4 or 20 slits: phasor chains build up the interference profile.</source>
        <translation>Svetlo cez 2, 3, 4 alebo 20 štrbín: reťazce fázorov skladajú priebeh intenzity interferencie.</translation>
    </message>
    <message>
        <source>korvane --help lists the options</source>
        <translation>korvane --help vypíše voľby</translation>
    </message>
    <message>
        <source>korvane: unknown option %1; %2</source>
        <extracomment>%1 is the option as the user wrote it; the last part names korvane --help.</extracomment>
        <translation>korvane: neznáma voľba %1; %2</translation>
    </message>
    <message>
        <source>korvane: unexpected argument %1; %2</source>
        <translation>korvane: neočakávaný argument %1; %2</translation>
    </message>
    <message>
        <source>korvane: %1 needs a value; %2</source>
        <translation>korvane: %1 potrebuje hodnotu; %2</translation>
    </message>
    <message>
        <source>the number of slits is 2, 3, 4 or 20</source>
        <translation>počet štrbín je 2, 3, 4 alebo 20</translation>
    </message>
    <message>
        <source>with %1 slits the frequency is a whole number from %2 to %3</source>
        <extracomment>%1 is the number of slits (4 unless --slits says otherwise).</extracomment>
        <translation>s %1 štrbinami je frekvencia celé číslo od %2 do %3</translation>
    </message>
    <message>
        <source>the slow-down is a whole number from 0 to %1</source>
        <translation>spomalenie je celé číslo od 0 do %1</translation>
    </message>
    <message>
        <source>the zoom is one of %1 per cent</source>
        <extracomment>%1 lists the zoom steps: 100, 125, ..., 400.</extracomment>
        <translation>zväčšenie je jedno z %1 percent</translation>
    </message>
    <message>
        <source>the language is en or one of %1</source>
        <translation>jazyk je en alebo jeden z %1</translation>
    </message>
    <message>
        <source>korvane: %1 %2: %3</source>
        <extracomment>%1 is the option, %2 the value refused, %3 what is allowed.</extracomment>
        <translation>korvane: %1 %2: %3</translation>
    </message>
    <message>
        <source>Show the far-field curve: the textbook&apos;s intensity over the profile.</source>
        <translation>Zobraziť krivku vzdialeného poľa: učebnicovú intenzitu nad priebehom.</translation>
    </message>
    <message>
        <source>korvane: %1 takes no value; %2</source>
        <translation>korvane: %1 neberie žiadnu hodnotu; %2</translation>
    </message>
    <message>
        <source>Keep profiles to compare: at each Start the profile on screen stays as a coloured outline, the three most recent.</source>
        <translation>Uchovať priebehy na porovnanie: pri každom spustení zostane priebeh na obrazovke ako farebný obrys, tri najnovšie.</translation>
    </message>
    <message>
        <source>korvane: %1 is given more than once; %2</source>
        <translation>korvane: %1 je zadané viackrát; %2</translation>
    </message>
    <message>
        <source>The frequency: 20 to 200 for 2 to 4 slits, 5 to 45 for 20 slits; the slit count&apos;s frequency bar is set to it. The read-out beside the bar shows it divided by 6.28, the wavelengths per slit spacing: 3.18 at frequency 20.</source>
        <translation>Frekvencia: 20 až 200 pre 2 až 4 štrbiny, 5 až 45 pre 20 štrbín; nastaví sa na ňu posuvník frekvencie daného počtu štrbín. Údaj vedľa posuvníka ukazuje frekvenciu delenú 6,28, počet vlnových dĺžok na rozostup štrbín: 3,18 pri frekvencii 20.</translation>
    </message>
    <message>
        <source>%1; the read-out beside the bar (wavelengths per slit spacing) shows %3 at frequency %2</source>
        <extracomment>%1 says the frequency&apos;s range; %2 is the frequency and %3 the read-out it gives.</extracomment>
        <translation>%1; údaj vedľa posuvníka (vlnové dĺžky na rozostup štrbín) ukazuje %3 pri frekvencii %2</translation>
    </message>
</context>
<context>
    <name>ControlTips</name>
    <message>
        <source>Slow-down: a run takes under a second. Move right for a slower run, up to two minutes.</source>
        <translation>Spomalenie: beh trvá necelú sekundu. Posunutím doprava sa beh spomalí, až na dve minúty.</translation>
    </message>
    <message>
        <source>Slow-down: a run takes about %1 s. Move right for a slower run, up to two minutes.</source>
        <extracomment>%1 seconds.</extracomment>
        <translation>Spomalenie: beh trvá asi %1 s. Posunutím doprava sa beh spomalí, až na dve minúty.</translation>
    </message>
    <message>
        <source>Slow-down: a run takes about %1 min %2 s. Move left for a faster run.</source>
        <extracomment>%1 minutes and %2 seconds.</extracomment>
        <translation>Spomalenie: beh trvá asi %1 min %2 s. Posunutím doľava sa beh zrýchli.</translation>
    </message>
    <message>
        <source>%1 wavelengths per slit spacing: the frequency, %2, divided by %3</source>
        <extracomment>%1 is the read-out, %2 the frequency it is worked out from, %3 the divisor 6.28.</extracomment>
        <translation>%1 vlnových dĺžok na vzdialenosť štrbín: frekvencia %2 delená %3</translation>
    </message>
    <message>
        <source>Frequency bar. Wavelengths per slit spacing: %1</source>
        <extracomment>%1 names the frequency as the look-out does: the read-out, then the frequency.</extracomment>
        <translation>Posuvník frekvencie. Vlnových dĺžok na rozostup štrbín: %1</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>%1 (frequency %2)</source>
        <extracomment>%1 is the read-out beside the frequency bar (wavelengths per slit spacing), %2 the frequency it is made from.</extracomment>
        <translation>%1 (frekvencia %2)</translation>
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
            <numerusform>%n štrbina, %1</numerusform>
            <numerusform>%n štrbiny, %1</numerusform>
            <numerusform>%n štrbín, %1</numerusform>
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
        <translation>Kliknite na tlačidlo Štart</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Štart</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Odísť</translation>
    </message>
    <message>
        <source>Number of slits</source>
        <translation>Počet štrbín</translation>
    </message>
    <message>
        <source>Number of wavelengths per slits spacing </source>
        <extracomment>Stands left of the read-out of the slit spacing divided by the wavelength.</extracomment>
        <translation>Počet vlnových dĺžok na rozostup štrbín </translation>
    </message>
    <message>
        <source>equal mixture of R+G+B</source>
        <extracomment>Under the grating picture, beside its white light: red, green and blue in equal parts.</extracomment>
        <translation>rovnaká zmes R+G+B</translation>
    </message>
    <message>
        <source>Cornu spirals</source>
        <extracomment>Over the phasor chains: each slit&apos;s phasor added end to end, curling towards a spiral.</extracomment>
        <translation>Cornuove špirály</translation>
    </message>
    <message>
        <source>diaphragm with grating</source>
        <translation>clona s mriežkou</translation>
    </message>
</context>
<context>
    <name>LessonLink</name>
    <message>
        <source>the browser&apos;s language</source>
        <translation>jazyk prehliadača</translation>
    </message>
    <message>
        <source>off</source>
        <translation>vypnuté</translation>
    </message>
    <message>
        <source>given more than once</source>
        <translation>zadané viackrát</translation>
    </message>
    <message>
        <source>%1 stands alone, or as %1=1 or %1=0</source>
        <extracomment>%1 is the parameter&apos;s name, as in the link.</extracomment>
        <translation>%1 stojí samo, alebo ako %1=1 či %1=0</translation>
    </message>
    <message>
        <source>Korvane has no such setting</source>
        <translation>Korvane také nastavenie nemá</translation>
    </message>
    <message>
        <source>The link&apos;s settings could not all be used:</source>
        <translation>Všetky nastavenia z odkazu sa nedali použiť:</translation>
    </message>
    <message>
        <source>%1: %2; it is left out.</source>
        <translation>%1: %2; vynecháva sa.</translation>
    </message>
    <message>
        <source>%1: %2; %3 is used instead.</source>
        <translation>%1: %2; namiesto toho sa použije %3.</translation>
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
        <translation>Stĺpec x = %1 twipov</translation>
    </message>
    <message>
        <source>Phase step: %1° = %2 λ</source>
        <extracomment>%1 in degrees, %2 in wavelengths (lambda) of path difference.</extracomment>
        <translation>Fázový posun: %1° = %2 λ</translation>
    </message>
    <message>
        <source>Mean phase step: %1° = %2 λ</source>
        <translation>Stredný fázový posun: %1° = %2 λ</translation>
    </message>
    <message>
        <source>Steps differ by up to ±%1° (finite distance)</source>
        <extracomment>The screen is not infinitely far, so each pair of neighbouring slits has a slightly different step.</extracomment>
        <translation>Posuny sa líšia až o ±%1° (konečná vzdialenosť)</translation>
    </message>
    <message>
        <source>Intensity: %1 % of the run&apos;s largest</source>
        <translation>Intenzita: %1 % najväčšej v tomto behu</translation>
    </message>
    <message>
        <source>Nearest order m = %1 at x = %2, %3 twips away</source>
        <extracomment>The order m of the grating equation d sin(theta) = m lambda nearest to the pointer.</extracomment>
        <translation>Najbližší rád m = %1 v x = %2, vzdialený %3 twipov</translation>
    </message>
    <message>
        <source>Far field: %1 % of its largest</source>
        <extracomment>The textbook&apos;s intensity of the same slits seen from infinitely far, at this column.</extracomment>
        <translation>Vzdialené pole: %1 % jeho maxima</translation>
    </message>
    <message>
        <source>far field, scaled to the tallest bar</source>
        <extracomment>Beside the far-field curve drawn over the profile.</extracomment>
        <translation>vzdialené pole, v mierke najvyššieho stĺpca</translation>
    </message>
    <message>
        <source>Angle from the slits: θ = %1°</source>
        <extracomment>The angle theta from the middle of the slits to the column, positive to the left.</extracomment>
        <translation>Uhol od štrbín: θ = %1°</translation>
    </message>
    <message>
        <source>Slits: %1   Wavelengths per slit spacing: %2</source>
        <extracomment>%2 names the frequency as the read-out beside the bar does, then the frequency itself.</extracomment>
        <translation>Štrbín: %1   Vlnových dĺžok na rozostup štrbín: %2</translation>
    </message>
</context>
<context>
    <name>NoDisplay</name>
    <message>
        <source>korvane: no display to open the window on (DISPLAY is not set); run it from a desktop session, or headless with: xvfb-run -a %1</source>
        <translation>korvane: nie je k dispozícii žiadny displej, na ktorom by sa dalo otvoriť okno (DISPLAY nie je nastavené); spustite program v grafickom prostredí alebo bez displeja takto: xvfb-run -a %1</translation>
    </message>
</context>
<context>
    <name>ProfileData</name>
    <message>
        <source>column (twips: 1/1440 inch or 1/15 pixel)</source>
        <extracomment>Column headers of the profile data, as a spreadsheet shows them.</extracomment>
        <translation>stĺpec (twipy: 1/1440 palca čiže 1/15 pixelu)</translation>
    </message>
    <message>
        <source>theta (degrees)</source>
        <translation>théta (stupne)</translation>
    </message>
    <message>
        <source>path difference (wavelengths)</source>
        <translation>dráhový rozdiel (vlnové dĺžky)</translation>
    </message>
    <message>
        <source>intensity (% of the run&apos;s largest)</source>
        <translation>intenzita (% najväčšej v behu)</translation>
    </message>
    <message>
        <source>bar height (twips)</source>
        <translation>výška stĺpca (twipy)</translation>
    </message>
    <message>
        <source>slits</source>
        <translation>štrbiny</translation>
    </message>
    <message>
        <source>frequency (the read-out is it / 6.28: wavelengths per slit spacing)</source>
        <translation>frekvencia (údaj v okne je frekvencia / 6,28: vlnové dĺžky na rozostup štrbín)</translation>
    </message>
</context>
<context>
    <name>SavePicture</name>
    <message>
        <source>It is a folder.</source>
        <translation>Je to priečinok.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>Nie je to súbor.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>paused</source>
        <extracomment>In the title bar while a run stands paused: &quot;Korvane (paused)&quot;.</extracomment>
        <translation>pozastavené</translation>
    </message>
</context>
<context>
    <name>korvane::ColumnMarker</name>
    <message>
        <source>Look-out&apos;s column</source>
        <translation>Stĺpec pohľadu zblízka</translation>
    </message>
</context>
<context>
    <name>korvane::Exports</name>
    <message>
        <source>Copy picture</source>
        <translation>Kopírovať obrázok</translation>
    </message>
    <message>
        <source>This browser does not let the page put a picture on the clipboard. Save picture offers it as a download instead.</source>
        <translation>Tento prehliadač nedovolí stránke vložiť obrázok do schránky. Uložiť obrázok ho namiesto toho ponúkne na stiahnutie.</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Uložiť obrázok</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Obrázok PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1.

%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason, as the system gives it.</extracomment>
        <translation>Obrázok sa nepodarilo uložiť ako %1.

%2</translation>
    </message>
    <message>
        <source>Save profile data</source>
        <translation>Uložiť údaje priebehu</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabuľka CSV (*.csv)</translation>
    </message>
    <message>
        <source>The profile data could not be saved as %1.

%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason, as the system gives it.</extracomment>
        <translation>Údaje priebehu sa nepodarilo uložiť ako %1.

%2</translation>
    </message>
</context>
<context>
    <name>korvane::FarFieldLayer</name>
    <message>
        <source>Far-field curve</source>
        <translation>Krivka vzdialeného poľa</translation>
    </message>
</context>
<context>
    <name>korvane::KeptProfilesLayer</name>
    <message>
        <source>Kept profiles</source>
        <translation>Uchované priebehy</translation>
    </message>
</context>
<context>
    <name>korvane::LookOutPanel</name>
    <message>
        <source>Look-out</source>
        <translation>Pohľad zblízka</translation>
    </message>
</context>
<context>
    <name>korvane::MainWindow</name>
    <message>
        <source>Exit waits for the run to end; Space pauses, and then Exit ends at once</source>
        <translation>Odísť čaká, kým beh skončí; medzerník ho pozastaví a Odísť potom skončí hneď</translation>
    </message>
    <message>
        <source>Clicks wait for the run to end; Space pauses it</source>
        <translation>Kliknutia čakajú, kým beh skončí; medzerník ho pozastaví</translation>
    </message>
    <message>
        <source>Zoom %1 % would not fit this screen</source>
        <extracomment>%1 is a zoom step in per cent.</extracomment>
        <translation>Zväčšenie %1 % sa na túto obrazovku nezmestí</translation>
    </message>
    <message>
        <source>F11 fills the screen with the window.</source>
        <translation>F11 roztiahne okno na celú obrazovku.</translation>
    </message>
    <message>
        <source>Opened at %1 %: %2 % would not fit this screen</source>
        <extracomment>%1 is the zoom the window opened at, %2 the one asked for, in per cent.</extracomment>
        <translation>Otvorené na %1 %: %2 % sa na túto obrazovku nezmestí</translation>
    </message>
</context>
<context>
    <name>korvane::OrderMarks</name>
    <message>
        <source>Orders of the grating equation</source>
        <translation>Rády mriežkovej rovnice</translation>
    </message>
</context>
<context>
    <name>korvane::PauseHint</name>
    <message>
        <source>Paused</source>
        <translation>Pozastavené</translation>
    </message>
    <message>
        <source>Paused before the first column</source>
        <translation>Pozastavené pred prvým stĺpcom</translation>
    </message>
    <message>
        <source>Paused at column x = %1 twips</source>
        <translation>Pozastavené v stĺpci x = %1 twipov</translation>
    </message>
    <message>
        <source>Space: go on.  Home, End: the first column, the end.</source>
        <translation>Medzerník: pokračovať.  Home, End: prvý stĺpec, koniec.</translation>
    </message>
    <message>
        <source>Left, Right: a chain back or on; with Shift, a pixel.</source>
        <translation>Šípky vľavo, vpravo: o reťazec späť či ďalej; so Shiftom o pixel.</translation>
    </message>
</context>
<context>
    <name>korvane::WindowMenu</name>
    <message>
        <source>Window menu</source>
        <translation>Ponuka okna</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Priblížiť</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Oddialiť</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Skutočná veľkosť</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Celá obrazovka</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Kopírovať obrázok</translation>
    </message>
    <message>
        <source>Save picture...</source>
        <translation>Uložiť obrázok...</translation>
    </message>
    <message>
        <source>About Korvane</source>
        <translation>O programe Korvane</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Ukončiť režim celej obrazovky</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Ponuka</translation>
    </message>
    <message>
        <source>Show maxima</source>
        <translation>Zobraziť maximá</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastaviť</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Pokračovať</translation>
    </message>
    <message>
        <source>Show far-field curve</source>
        <translation>Zobraziť krivku vzdialeného poľa</translation>
    </message>
    <message>
        <source>Copy profile data</source>
        <translation>Kopírovať údaje priebehu</translation>
    </message>
    <message>
        <source>Save profile data...</source>
        <translation>Uložiť údaje priebehu...</translation>
    </message>
    <message>
        <source>Copy link to this setup</source>
        <translation>Kopírovať odkaz na toto nastavenie</translation>
    </message>
    <message>
        <source>Keep profiles to compare</source>
        <translation>Uchovať priebehy na porovnanie</translation>
    </message>
    <message>
        <source>Clear kept profiles</source>
        <translation>Vymazať uchované priebehy</translation>
    </message>
</context>
</TS>
