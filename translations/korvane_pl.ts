<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Light passing through a diaphragm with 2, 3, 4 or 20 slits: for each point of the screen the slits&apos; phasors added into a chain, and the interference profile they make.</source>
        <translation>Światło przechodzące przez przesłonę z 2, 3, 4 lub 20 szczelinami: dla każdego punktu ekranu wskazy poszczególnych szczelin dodane kolejno w łańcuch oraz powstający z nich rozkład natężenia w obrazie interferencyjnym.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later).</source>
        <translation>Wolne oprogramowanie na licencji GNU General Public License w wersji 3 lub późniejszej (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <source>About Korvane</source>
        <translation>O programie Korvane</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Runs the animation for the chosen number of slits and frequency</source>
        <translation>Uruchamia animację dla wybranej liczby szczelin i częstotliwości</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Zamyka program</translation>
    </message>
    <message>
        <source>Slow-down factor</source>
        <translation>Współczynnik spowolnienia</translation>
    </message>
    <message>
        <source>Frequency store</source>
        <translation>Przechowywana wartość częstotliwości</translation>
    </message>
    <message>
        <source>Slow-down factor store</source>
        <translation>Przechowywana wartość współczynnika spowolnienia</translation>
    </message>
    <message>
        <source>Number of slits store</source>
        <translation>Przechowywana wartość liczby szczelin</translation>
    </message>
    <message>
        <source>Frame of the grating picture</source>
        <translation>Ramka obrazu siatki dyfrakcyjnej</translation>
    </message>
    <message>
        <source>Grating picture</source>
        <translation>Obraz siatki dyfrakcyjnej</translation>
    </message>
    <message>
        <source>White light split by a grating: a white maximum in the middle, then blue, green and red maxima on either side</source>
        <translation>Światło białe rozszczepione przez siatkę dyfrakcyjną: pośrodku białe maksimum, a po obu stronach maksima niebieskie, zielone i czerwone</translation>
    </message>
    <message>
        <source>Number of slits</source>
        <translation>Liczba szczelin</translation>
    </message>
    <message>
        <source>2 slits</source>
        <translation>2 szczeliny</translation>
    </message>
    <message>
        <source>3 slits</source>
        <translation>3 szczeliny</translation>
    </message>
    <message>
        <source>4 slits</source>
        <translation>4 szczeliny</translation>
    </message>
    <message>
        <source>20 slits, a grating</source>
        <translation>20 szczelin, siatka dyfrakcyjna</translation>
    </message>
    <message>
        <source>Caption: number of wavelengths per slit spacing</source>
        <translation>Podpis: liczba długości fali na odległość szczelin</translation>
    </message>
    <message>
        <source>Number of wavelengths per slit spacing</source>
        <translation>Liczba długości fali na odległość szczelin</translation>
    </message>
    <message>
        <source>Frequency, for 2 to 4 slits</source>
        <translation>Częstotliwość dla 2 do 4 szczelin</translation>
    </message>
    <message>
        <source>Frequency, for 20 slits</source>
        <translation>Częstotliwość dla 20 szczelin</translation>
    </message>
    <message>
        <source>Caption: equal mixture of red, green and blue</source>
        <translation>Podpis: równe części czerwonego, zielonego i niebieskiego</translation>
    </message>
    <message>
        <source>Caption: Cornu spirals</source>
        <translation>Podpis: spirale Cornu</translation>
    </message>
    <message>
        <source>Caption: diaphragm with grating</source>
        <translation>Podpis: przesłona z siatką</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Symulacja</translation>
    </message>
    <message>
        <source>The incident wave, the diaphragm with its slits, the rays, the phasor chains and the interference profile on the screen</source>
        <translation>Fala padająca, przesłona ze szczelinami, promienie, łańcuchy wskazów i rozkład natężenia w obrazie interferencyjnym na ekranie</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The number of slits: 2, 3, 4 or 20.</source>
        <translation>Liczba szczelin: 2, 3, 4 lub 20.</translation>
    </message>
    <message>
        <source>The slow-down bar&apos;s position, 0 (fastest) to 10000 (a run of two minutes).</source>
        <translation>Położenie suwaka spowolnienia, 0 (najszybciej) do 10000 (przebieg trwający dwie minuty).</translation>
    </message>
    <message>
        <source>The zoom: 100, 125, 150, 175, 200, 250, 300 or 400 per cent.</source>
        <translation>Powiększenie: 100, 125, 150, 175, 200, 250, 300 lub 400 procent.</translation>
    </message>
    <message>
        <source>Full screen.</source>
        <translation>Pełny ekran.</translation>
    </message>
    <message>
        <source>Show maxima: the orders ticked under the screen line.</source>
        <translation>Pokaż maksima: rzędy zaznaczone pod linią ekranu.</translation>
    </message>
    <message>
        <source>One run at once, when the window is up.</source>
        <translation>Jeden przebieg od razu, gdy okno jest otwarte.</translation>
    </message>
    <message>
        <source>The language: en, or a code of the languages the program speaks (%1).</source>
        <translation>Język: en lub kod języka, którym mówi program (%1).</translation>
    </message>
    <message>
        <source>Light through 2, 3, 4 or 20 slits: phasor chains build up the interference profile.</source>
        <translation>Światło przez 2, 3, 4 lub 20 szczelin: łańcuchy wskazów budują rozkład natężenia.</translation>
    </message>
    <message>
        <source>korvane --help lists the options</source>
        <translation>korvane --help wypisuje opcje</translation>
    </message>
    <message>
        <source>korvane: unknown option %1; %2</source>
        <extracomment>%1 is the option as the user wrote it; the last part names korvane --help.</extracomment>
        <translation>korvane: nieznana opcja %1; %2</translation>
    </message>
    <message>
        <source>korvane: unexpected argument %1; %2</source>
        <translation>korvane: nieoczekiwany argument %1; %2</translation>
    </message>
    <message>
        <source>korvane: %1 needs a value; %2</source>
        <translation>korvane: %1 wymaga wartości; %2</translation>
    </message>
    <message>
        <source>the number of slits is 2, 3, 4 or 20</source>
        <translation>liczba szczelin to 2, 3, 4 lub 20</translation>
    </message>
    <message>
        <source>with %1 slits the frequency is a whole number from %2 to %3</source>
        <extracomment>%1 is the number of slits (4 unless --slits says otherwise).</extracomment>
        <translation>przy %1 szczelinach częstotliwość to liczba całkowita od %2 do %3</translation>
    </message>
    <message>
        <source>the slow-down is a whole number from 0 to %1</source>
        <translation>spowolnienie to liczba całkowita od 0 do %1</translation>
    </message>
    <message>
        <source>the zoom is one of %1 per cent</source>
        <extracomment>%1 lists the zoom steps: 100, 125, ..., 400.</extracomment>
        <translation>powiększenie to jedno z %1 procent</translation>
    </message>
    <message>
        <source>the language is en or one of %1</source>
        <translation>język to en lub jeden z %1</translation>
    </message>
    <message>
        <source>korvane: %1 %2: %3</source>
        <extracomment>%1 is the option, %2 the value refused, %3 what is allowed.</extracomment>
        <translation>korvane: %1 %2: %3</translation>
    </message>
    <message>
        <source>Show the far-field curve: the textbook&apos;s intensity over the profile.</source>
        <translation>Pokaż krzywą pola dalekiego: natężenie z podręcznika nad rozkładem.</translation>
    </message>
    <message>
        <source>korvane: %1 takes no value; %2</source>
        <translation>korvane: %1 nie przyjmuje wartości; %2</translation>
    </message>
    <message>
        <source>Keep profiles to compare: at each Start the profile on screen stays as a coloured outline, the three most recent.</source>
        <translation>Zachowuj rozkłady do porównania: przy każdym uruchomieniu rozkład na ekranie zostaje jako kolorowy kontur, trzy najnowsze.</translation>
    </message>
    <message>
        <source>korvane: %1 is given more than once; %2</source>
        <translation>korvane: %1 podano więcej niż raz; %2</translation>
    </message>
    <message>
        <source>The frequency: 20 to 200 for 2 to 4 slits, 5 to 45 for 20 slits; the slit count&apos;s frequency bar is set to it. The read-out beside the bar shows it divided by 6.28, the wavelengths per slit spacing: 3.18 at frequency 20.</source>
        <translation>Częstotliwość: 20 do 200 dla 2 do 4 szczelin, 5 do 45 dla 20 szczelin; suwak częstotliwości dla danej liczby szczelin zostaje na nią ustawiony. Odczyt obok suwaka pokazuje ją podzieloną przez 6,28, czyli długości fali na odległość szczelin: 3,18 przy częstotliwości 20.</translation>
    </message>
    <message>
        <source>%1; the read-out beside the bar (wavelengths per slit spacing) shows %3 at frequency %2</source>
        <extracomment>%1 says the frequency&apos;s range; %2 is the frequency and %3 the read-out it gives.</extracomment>
        <translation>%1; odczyt obok suwaka (długości fali na odległość szczelin) pokazuje %3 przy częstotliwości %2</translation>
    </message>
</context>
<context>
    <name>ControlTips</name>
    <message>
        <source>Slow-down: a run takes under a second. Move right for a slower run, up to two minutes.</source>
        <translation>Spowolnienie: przebieg trwa krócej niż sekundę. W prawo, by przebieg był wolniejszy, do dwóch minut.</translation>
    </message>
    <message>
        <source>Slow-down: a run takes about %1 s. Move right for a slower run, up to two minutes.</source>
        <extracomment>%1 seconds.</extracomment>
        <translation>Spowolnienie: przebieg trwa około %1 s. W prawo, by przebieg był wolniejszy, do dwóch minut.</translation>
    </message>
    <message>
        <source>Slow-down: a run takes about %1 min %2 s. Move left for a faster run.</source>
        <extracomment>%1 minutes and %2 seconds.</extracomment>
        <translation>Spowolnienie: przebieg trwa około %1 min %2 s. W lewo, by przebieg był szybszy.</translation>
    </message>
    <message>
        <source>%1 wavelengths per slit spacing: the frequency, %2, divided by %3</source>
        <extracomment>%1 is the read-out, %2 the frequency it is worked out from, %3 the divisor 6.28.</extracomment>
        <translation>%1 długości fali na odstęp szczelin: częstotliwość %2 podzielona przez %3</translation>
    </message>
    <message>
        <source>Frequency bar. Wavelengths per slit spacing: %1</source>
        <extracomment>%1 names the frequency as the look-out does: the read-out, then the frequency.</extracomment>
        <translation>Suwak częstotliwości. Długości fali na odległość szczelin: %1</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>%1 (frequency %2)</source>
        <extracomment>%1 is the read-out beside the frequency bar (wavelengths per slit spacing), %2 the frequency it is made from.</extracomment>
        <translation>%1 (częstotliwość %2)</translation>
    </message>
</context>
<context>
    <name>KeptProfiles</name>
    <message>
        <source>%1: %2 % of its largest</source>
        <extracomment>%1 names a kept run, as the legend does; %2 is its intensity at the look-out&apos;s column.</extracomment>
        <translation>%1: %2 % jego maksimum</translation>
    </message>
    <message numerus="yes">
        <source>%n slits, %1</source>
        <extracomment>A kept run in the legend and the look-out: its slit count, and its frequency as the read-out and the frequency.</extracomment>
        <translation>
            <numerusform>%n szczelina, %1</numerusform>
            <numerusform>%n szczeliny, %1</numerusform>
            <numerusform>%n szczelin, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: intensity (% of its largest)</source>
        <extracomment>The header of a kept run&apos;s column in the profile data.</extracomment>
        <translation>%1: natężenie (% jego maksimum)</translation>
    </message>
</context>
<context>
    <name>Korvane</name>
    <message>
        <source>Please press button Start</source>
        <extracomment>The label in the middle of the window before the first run; it names the Start button, so use the button&apos;s translated caption.</extracomment>
        <translation>Naciśnij przycisk Start</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Number of slits</source>
        <translation>Liczba szczelin</translation>
    </message>
    <message>
        <source>Number of wavelengths per slits spacing </source>
        <extracomment>Stands left of the read-out of the slit spacing divided by the wavelength.</extracomment>
        <translation>Liczba długości fali na odległość szczelin </translation>
    </message>
    <message>
        <source>equal mixture of R+G+B</source>
        <extracomment>Under the grating picture, beside its white light: red, green and blue in equal parts.</extracomment>
        <translation>równe części R+G+B</translation>
    </message>
    <message>
        <source>Cornu spirals</source>
        <extracomment>Over the phasor chains: each slit&apos;s phasor added end to end, curling towards a spiral.</extracomment>
        <translation>Spirale Cornu</translation>
    </message>
    <message>
        <source>diaphragm with grating</source>
        <translation>przesłona z siatką</translation>
    </message>
</context>
<context>
    <name>LessonLink</name>
    <message>
        <source>the browser&apos;s language</source>
        <translation>język przeglądarki</translation>
    </message>
    <message>
        <source>off</source>
        <translation>wyłączone</translation>
    </message>
    <message>
        <source>given more than once</source>
        <translation>podane więcej niż raz</translation>
    </message>
    <message>
        <source>%1 stands alone, or as %1=1 or %1=0</source>
        <extracomment>%1 is the parameter&apos;s name, as in the link.</extracomment>
        <translation>%1 występuje samo albo jako %1=1 lub %1=0</translation>
    </message>
    <message>
        <source>Korvane has no such setting</source>
        <translation>Korvane nie ma takiego ustawienia</translation>
    </message>
    <message>
        <source>The link&apos;s settings could not all be used:</source>
        <translation>Nie wszystkie ustawienia z linku dało się użyć:</translation>
    </message>
    <message>
        <source>%1: %2; it is left out.</source>
        <translation>%1: %2; zostaje pominięte.</translation>
    </message>
    <message>
        <source>%1: %2; %3 is used instead.</source>
        <translation>%1: %2; zamiast tego użyto %3.</translation>
    </message>
    <message>
        <source>Link to a lesson</source>
        <translation>Link do lekcji</translation>
    </message>
</context>
<context>
    <name>LookOut</name>
    <message>
        <source>Column x = %1 twips</source>
        <extracomment>A column of the screen line, by its x in twips.</extracomment>
        <translation>Kolumna x = %1 twipów</translation>
    </message>
    <message>
        <source>Phase step: %1° = %2 λ</source>
        <extracomment>%1 in degrees, %2 in wavelengths (lambda) of path difference.</extracomment>
        <translation>Krok fazy: %1° = %2 λ</translation>
    </message>
    <message>
        <source>Mean phase step: %1° = %2 λ</source>
        <translation>Średni krok fazy: %1° = %2 λ</translation>
    </message>
    <message>
        <source>Steps differ by up to ±%1° (finite distance)</source>
        <extracomment>The screen is not infinitely far, so each pair of neighbouring slits has a slightly different step.</extracomment>
        <translation>Kroki różnią się do ±%1° (skończona odległość)</translation>
    </message>
    <message>
        <source>Intensity: %1 % of the run&apos;s largest</source>
        <translation>Natężenie: %1 % największego w tym przebiegu</translation>
    </message>
    <message>
        <source>Nearest order m = %1 at x = %2, %3 twips away</source>
        <extracomment>The order m of the grating equation d sin(theta) = m lambda nearest to the pointer.</extracomment>
        <translation>Najbliższy rząd m = %1 przy x = %2, %3 twipów dalej</translation>
    </message>
    <message>
        <source>Far field: %1 % of its largest</source>
        <extracomment>The textbook&apos;s intensity of the same slits seen from infinitely far, at this column.</extracomment>
        <translation>Pole dalekie: %1 % jego maksimum</translation>
    </message>
    <message>
        <source>far field, scaled to the tallest bar</source>
        <extracomment>Beside the far-field curve drawn over the profile.</extracomment>
        <translation>pole dalekie w skali najwyższego słupka</translation>
    </message>
    <message>
        <source>Angle from the slits: θ = %1°</source>
        <extracomment>The angle theta from the middle of the slits to the column, positive to the left.</extracomment>
        <translation>Kąt od szczelin: θ = %1°</translation>
    </message>
    <message>
        <source>Slits: %1   Wavelengths per slit spacing: %2</source>
        <extracomment>%2 names the frequency as the read-out beside the bar does, then the frequency itself.</extracomment>
        <translation>Szczeliny: %1   Długości fali na odległość szczelin: %2</translation>
    </message>
</context>
<context>
    <name>NoDisplay</name>
    <message>
        <source>korvane: no display to open the window on (DISPLAY is not set); run it from a desktop session, or headless with: xvfb-run -a %1</source>
        <translation>korvane: brak wyświetlacza, na którym można otworzyć okno (zmienna DISPLAY nie jest ustawiona); uruchom program w sesji graficznej lub bez wyświetlacza poleceniem: xvfb-run -a %1</translation>
    </message>
</context>
<context>
    <name>ProfileData</name>
    <message>
        <source>column (twips: 1/1440 inch or 1/15 pixel)</source>
        <extracomment>Column headers of the profile data, as a spreadsheet shows them.</extracomment>
        <translation>kolumna (twipy: 1/1440 cala lub 1/15 piksela)</translation>
    </message>
    <message>
        <source>theta (degrees)</source>
        <translation>theta (stopnie)</translation>
    </message>
    <message>
        <source>path difference (wavelengths)</source>
        <translation>różnica dróg (długości fali)</translation>
    </message>
    <message>
        <source>intensity (% of the run&apos;s largest)</source>
        <translation>natężenie (% największego w przebiegu)</translation>
    </message>
    <message>
        <source>bar height (twips)</source>
        <translation>wysokość słupka (twipy)</translation>
    </message>
    <message>
        <source>slits</source>
        <translation>szczeliny</translation>
    </message>
    <message>
        <source>frequency (the read-out is it / 6.28: wavelengths per slit spacing)</source>
        <translation>częstotliwość (odczyt to ona / 6,28: długości fali na odległość szczelin)</translation>
    </message>
</context>
<context>
    <name>SavePicture</name>
    <message>
        <source>It is a folder.</source>
        <translation>To jest katalog.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>To nie jest plik.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>paused</source>
        <extracomment>In the title bar while a run stands paused: &quot;Korvane (paused)&quot;.</extracomment>
        <translation>wstrzymano</translation>
    </message>
</context>
<context>
    <name>korvane::ColumnMarker</name>
    <message>
        <source>Look-out&apos;s column</source>
        <translation>Kolumna widoku z bliska</translation>
    </message>
</context>
<context>
    <name>korvane::Exports</name>
    <message>
        <source>Copy picture</source>
        <translation>Kopiuj obraz</translation>
    </message>
    <message>
        <source>This browser does not let the page put a picture on the clipboard. Save picture offers it as a download instead.</source>
        <translation>Ta przeglądarka nie pozwala stronie umieścić obrazu w schowku. Zapisz obraz oferuje go zamiast tego do pobrania.</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Zapisz obraz</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Obraz PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1.

%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason, as the system gives it.</extracomment>
        <translation>Nie udało się zapisać obrazu jako %1.

%2</translation>
    </message>
    <message>
        <source>Save profile data</source>
        <translation>Zapisz dane rozkładu</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabela CSV (*.csv)</translation>
    </message>
    <message>
        <source>The profile data could not be saved as %1.

%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason, as the system gives it.</extracomment>
        <translation>Nie można zapisać danych rozkładu jako %1.

%2</translation>
    </message>
</context>
<context>
    <name>korvane::FarFieldLayer</name>
    <message>
        <source>Far-field curve</source>
        <translation>Krzywa pola dalekiego</translation>
    </message>
</context>
<context>
    <name>korvane::KeptProfilesLayer</name>
    <message>
        <source>Kept profiles</source>
        <translation>Zachowane rozkłady</translation>
    </message>
</context>
<context>
    <name>korvane::LookOutPanel</name>
    <message>
        <source>Look-out</source>
        <translation>Widok z bliska</translation>
    </message>
</context>
<context>
    <name>korvane::MainWindow</name>
    <message>
        <source>Exit waits for the run to end; Space pauses, and then Exit ends at once</source>
        <translation>Wyjdź czeka na koniec przebiegu; spacja go wstrzymuje, a wtedy Wyjdź kończy od razu</translation>
    </message>
    <message>
        <source>Clicks wait for the run to end; Space pauses it</source>
        <translation>Kliknięcia czekają na koniec przebiegu; spacja go wstrzymuje</translation>
    </message>
    <message>
        <source>Zoom %1 % would not fit this screen</source>
        <extracomment>%1 is a zoom step in per cent.</extracomment>
        <translation>Powiększenie %1 % nie mieści się na tym ekranie</translation>
    </message>
    <message>
        <source>F11 fills the screen with the window.</source>
        <translation>F11 rozciąga okno na cały ekran.</translation>
    </message>
    <message>
        <source>Opened at %1 %: %2 % would not fit this screen</source>
        <extracomment>%1 is the zoom the window opened at, %2 the one asked for, in per cent.</extracomment>
        <translation>Otwarto w %1 %: %2 % nie mieści się na tym ekranie</translation>
    </message>
</context>
<context>
    <name>korvane::OrderMarks</name>
    <message>
        <source>Orders of the grating equation</source>
        <translation>Rzędy równania siatki</translation>
    </message>
</context>
<context>
    <name>korvane::PauseHint</name>
    <message>
        <source>Paused</source>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>Paused before the first column</source>
        <translation>Wstrzymano przed pierwszą kolumną</translation>
    </message>
    <message>
        <source>Paused at column x = %1 twips</source>
        <translation>Wstrzymano w kolumnie x = %1 twipów</translation>
    </message>
    <message>
        <source>Space: go on.  Home, End: the first column, the end.</source>
        <translation>Spacja: dalej.  Home, End: pierwsza kolumna, koniec.</translation>
    </message>
    <message>
        <source>Left, Right: a chain back or on; with Shift, a pixel.</source>
        <translation>W lewo, w prawo: łańcuch wstecz lub dalej; z Shiftem o piksel.</translation>
    </message>
</context>
<context>
    <name>korvane::WindowMenu</name>
    <message>
        <source>Window menu</source>
        <translation>Menu okna</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Rzeczywisty rozmiar</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Kopiuj obraz</translation>
    </message>
    <message>
        <source>Save picture...</source>
        <translation>Zapisz obraz...</translation>
    </message>
    <message>
        <source>About Korvane</source>
        <translation>O programie Korvane</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Opuść tryb pełnoekranowy</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Show maxima</source>
        <translation>Pokaż maksima</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Show far-field curve</source>
        <translation>Pokaż krzywą pola dalekiego</translation>
    </message>
    <message>
        <source>Copy profile data</source>
        <translation>Kopiuj dane rozkładu</translation>
    </message>
    <message>
        <source>Save profile data...</source>
        <translation>Zapisz dane rozkładu...</translation>
    </message>
    <message>
        <source>Copy link to this setup</source>
        <translation>Kopiuj link do tego ustawienia</translation>
    </message>
    <message>
        <source>Keep profiles to compare</source>
        <translation>Zachowuj rozkłady do porównania</translation>
    </message>
    <message>
        <source>Clear kept profiles</source>
        <translation>Wyczyść zachowane rozkłady</translation>
    </message>
</context>
</TS>
