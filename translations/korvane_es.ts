<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Light passing through a diaphragm with 2, 3, 4 or 20 slits: for each point of the screen the slits&apos; phasors added into a chain, and the interference profile they make.</source>
        <translation>Luz que atraviesa un diafragma con 2, 3, 4 o 20 rendijas: para cada punto de la pantalla, los fasores de las rendijas sumados en cadena, y el patrón de interferencia que forman.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later).</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <source>About Korvane</source>
        <translation>Acerca de Korvane</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Runs the animation for the chosen number of slits and frequency</source>
        <translation>Ejecuta la animación con el número de rendijas y la frecuencia elegidos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Cierra el programa</translation>
    </message>
    <message>
        <source>Slow-down factor</source>
        <translation>Factor de ralentización</translation>
    </message>
    <message>
        <source>Frequency store</source>
        <translation>Almacén de la frecuencia</translation>
    </message>
    <message>
        <source>Slow-down factor store</source>
        <translation>Almacén del factor de ralentización</translation>
    </message>
    <message>
        <source>Number of slits store</source>
        <translation>Almacén del número de rendijas</translation>
    </message>
    <message>
        <source>Frame of the grating picture</source>
        <translation>Marco de la imagen de la red de difracción</translation>
    </message>
    <message>
        <source>Grating picture</source>
        <translation>Imagen de la red de difracción</translation>
    </message>
    <message>
        <source>White light split by a grating: a white maximum in the middle, then blue, green and red maxima on either side</source>
        <translation>Luz blanca descompuesta por una red de difracción: un máximo blanco en el centro y, a cada lado, máximos azules, verdes y rojos</translation>
    </message>
    <message>
        <source>Number of slits</source>
        <translation>Número de rendijas</translation>
    </message>
    <message>
        <source>2 slits</source>
        <translation>2 rendijas</translation>
    </message>
    <message>
        <source>3 slits</source>
        <translation>3 rendijas</translation>
    </message>
    <message>
        <source>4 slits</source>
        <translation>4 rendijas</translation>
    </message>
    <message>
        <source>20 slits, a grating</source>
        <translation>20 rendijas, una red de difracción</translation>
    </message>
    <message>
        <source>Caption: number of wavelengths per slit spacing</source>
        <translation>Etiqueta: longitudes de onda entre rendijas</translation>
    </message>
    <message>
        <source>Number of wavelengths per slit spacing</source>
        <translation>Número de longitudes de onda entre rendijas</translation>
    </message>
    <message>
        <source>Frequency, for 2 to 4 slits</source>
        <translation>Frecuencia, para 2 a 4 rendijas</translation>
    </message>
    <message>
        <source>Frequency, for 20 slits</source>
        <translation>Frecuencia, para 20 rendijas</translation>
    </message>
    <message>
        <source>Caption: equal mixture of red, green and blue</source>
        <translation>Etiqueta: mezcla igual de rojo, verde y azul</translation>
    </message>
    <message>
        <source>Caption: Cornu spirals</source>
        <translation>Etiqueta: espirales de Cornu</translation>
    </message>
    <message>
        <source>Caption: diaphragm with grating</source>
        <translation>Etiqueta: diafragma con red</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulación</translation>
    </message>
    <message>
        <source>The incident wave, the diaphragm with its slits, the rays, the phasor chains and the interference profile on the screen</source>
        <translation>La onda incidente, el diafragma con sus rendijas, los rayos, las cadenas de fasores y el patrón de interferencia en la pantalla</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The number of slits: 2, 3, 4 or 20.</source>
        <translation>El número de rendijas: 2, 3, 4 o 20.</translation>
    </message>
    <message>
        <source>The slow-down bar&apos;s position, 0 (fastest) to 10000 (a run of two minutes).</source>
        <translation>La posición de la barra de ralentización, 0 (lo más rápido) a 10000 (una ejecución de dos minutos).</translation>
    </message>
    <message>
        <source>The zoom: 100, 125, 150, 175, 200, 250, 300 or 400 per cent.</source>
        <translation>El zoom: 100, 125, 150, 175, 200, 250, 300 o 400 por ciento.</translation>
    </message>
    <message>
        <source>Full screen.</source>
        <translation>Pantalla completa.</translation>
    </message>
    <message>
        <source>Show maxima: the orders ticked under the screen line.</source>
        <translation>Mostrar máximos: los órdenes marcados bajo la línea de la pantalla.</translation>
    </message>
    <message>
        <source>One run at once, when the window is up.</source>
        <translation>Una ejecución enseguida, en cuanto la ventana está abierta.</translation>
    </message>
    <message>
        <source>The language: en, or a code of the languages the program speaks (%1).</source>
        <translation>El idioma: en, o el código de un idioma que el programa habla (%1).</translation>
    </message>
    <message>
        <source>Light through 2, 3, 4 or 20 slits: phasor chains build up the interference profile.</source>
        <translation>Luz a través de 2, 3, 4 o 20 rendijas: cadenas de fasores construyen el perfil de interferencia.</translation>
    </message>
    <message>
        <source>korvane --help lists the options</source>
        <translation>korvane --help enumera las opciones</translation>
    </message>
    <message>
        <source>korvane: unknown option %1; %2</source>
        <extracomment>%1 is the option as the user wrote it; the last part names korvane --help.</extracomment>
        <translation>korvane: opción desconocida %1; %2</translation>
    </message>
    <message>
        <source>korvane: unexpected argument %1; %2</source>
        <translation>korvane: argumento inesperado %1; %2</translation>
    </message>
    <message>
        <source>korvane: %1 needs a value; %2</source>
        <translation>korvane: %1 necesita un valor; %2</translation>
    </message>
    <message>
        <source>the number of slits is 2, 3, 4 or 20</source>
        <translation>el número de rendijas es 2, 3, 4 o 20</translation>
    </message>
    <message>
        <source>with %1 slits the frequency is a whole number from %2 to %3</source>
        <extracomment>%1 is the number of slits (4 unless --slits says otherwise).</extracomment>
        <translation>con %1 rendijas la frecuencia es un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>the slow-down is a whole number from 0 to %1</source>
        <translation>la ralentización es un número entero de 0 a %1</translation>
    </message>
    <message>
        <source>the zoom is one of %1 per cent</source>
        <extracomment>%1 lists the zoom steps: 100, 125, ..., 400.</extracomment>
        <translation>el zoom es uno de %1 por ciento</translation>
    </message>
    <message>
        <source>the language is en or one of %1</source>
        <translation>el idioma es en o uno de %1</translation>
    </message>
    <message>
        <source>korvane: %1 %2: %3</source>
        <extracomment>%1 is the option, %2 the value refused, %3 what is allowed.</extracomment>
        <translation>korvane: %1 %2: %3</translation>
    </message>
    <message>
        <source>Show the far-field curve: the textbook&apos;s intensity over the profile.</source>
        <translation>Mostrar la curva de campo lejano: la intensidad del libro de texto sobre el perfil.</translation>
    </message>
    <message>
        <source>korvane: %1 takes no value; %2</source>
        <translation>korvane: %1 no admite ningún valor; %2</translation>
    </message>
    <message>
        <source>Keep profiles to compare: at each Start the profile on screen stays as a coloured outline, the three most recent.</source>
        <translation>Guardar perfiles para comparar: en cada ejecución el perfil en pantalla queda como un contorno de color, los tres más recientes.</translation>
    </message>
    <message>
        <source>korvane: %1 is given more than once; %2</source>
        <translation>korvane: %1 se ha dado más de una vez; %2</translation>
    </message>
    <message>
        <source>The frequency: 20 to 200 for 2 to 4 slits, 5 to 45 for 20 slits; the slit count&apos;s frequency bar is set to it. The read-out beside the bar shows it divided by 6.28, the wavelengths per slit spacing: 3.18 at frequency 20.</source>
        <translation>La frecuencia: de 20 a 200 para 2 a 4 rendijas, de 5 a 45 para 20 rendijas; la barra de frecuencia del número de rendijas se pone en ella. La lectura junto a la barra la muestra dividida entre 6,28, las longitudes de onda por separación de rendijas: 3,18 con frecuencia 20.</translation>
    </message>
    <message>
        <source>%1; the read-out beside the bar (wavelengths per slit spacing) shows %3 at frequency %2</source>
        <extracomment>%1 says the frequency&apos;s range; %2 is the frequency and %3 the read-out it gives.</extracomment>
        <translation>%1; la lectura junto a la barra (longitudes de onda por separación de rendijas) muestra %3 con frecuencia %2</translation>
    </message>
</context>
<context>
    <name>ControlTips</name>
    <message>
        <source>Slow-down: a run takes under a second. Move right for a slower run, up to two minutes.</source>
        <translation>Ralentización: una pasada dura menos de un segundo. Hacia la derecha para una pasada más lenta, hasta dos minutos.</translation>
    </message>
    <message>
        <source>Slow-down: a run takes about %1 s. Move right for a slower run, up to two minutes.</source>
        <extracomment>%1 seconds.</extracomment>
        <translation>Ralentización: una pasada dura unos %1 s. Hacia la derecha para una pasada más lenta, hasta dos minutos.</translation>
    </message>
    <message>
        <source>Slow-down: a run takes about %1 min %2 s. Move left for a faster run.</source>
        <extracomment>%1 minutes and %2 seconds.</extracomment>
        <translation>Ralentización: una pasada dura unos %1 min %2 s. Hacia la izquierda para una pasada más rápida.</translation>
    </message>
    <message>
        <source>%1 wavelengths per slit spacing: the frequency, %2, divided by %3</source>
        <extracomment>%1 is the read-out, %2 the frequency it is worked out from, %3 the divisor 6.28.</extracomment>
        <translation>%1 longitudes de onda por separación de rendijas: la frecuencia, %2, dividida entre %3</translation>
    </message>
    <message>
        <source>Frequency bar. Wavelengths per slit spacing: %1</source>
        <extracomment>%1 names the frequency as the look-out does: the read-out, then the frequency.</extracomment>
        <translation>Barra de frecuencia. Longitudes de onda por separación de rendijas: %1</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>%1 (frequency %2)</source>
        <extracomment>%1 is the read-out beside the frequency bar (wavelengths per slit spacing), %2 the frequency it is made from.</extracomment>
        <translation>%1 (frecuencia %2)</translation>
    </message>
</context>
<context>
    <name>KeptProfiles</name>
    <message>
        <source>%1: %2 % of its largest</source>
        <extracomment>%1 names a kept run, as the legend does; %2 is its intensity at the look-out&apos;s column.</extracomment>
        <translation>%1: %2 % de su máximo</translation>
    </message>
    <message numerus="yes">
        <source>%n slits, %1</source>
        <extracomment>A kept run in the legend and the look-out: its slit count, and its frequency as the read-out and the frequency.</extracomment>
        <translation>
            <numerusform>%n rendija, %1</numerusform>
            <numerusform>%n rendijas, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: intensity (% of its largest)</source>
        <extracomment>The header of a kept run&apos;s column in the profile data.</extracomment>
        <translation>%1: intensidad (% de su máximo)</translation>
    </message>
</context>
<context>
    <name>Korvane</name>
    <message>
        <source>Please press button Start</source>
        <extracomment>The label in the middle of the window before the first run; it names the Start button, so use the button&apos;s translated caption.</extracomment>
        <translation>Pulse el botón Iniciar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Number of slits</source>
        <translation>Número de rendijas</translation>
    </message>
    <message>
        <source>Number of wavelengths per slits spacing </source>
        <extracomment>Stands left of the read-out of the slit spacing divided by the wavelength.</extracomment>
        <translation>Longitudes de onda entre rendijas </translation>
    </message>
    <message>
        <source>equal mixture of R+G+B</source>
        <extracomment>Under the grating picture, beside its white light: red, green and blue in equal parts.</extracomment>
        <translation>mezcla igual de R+V+A</translation>
    </message>
    <message>
        <source>Cornu spirals</source>
        <extracomment>Over the phasor chains: each slit&apos;s phasor added end to end, curling towards a spiral.</extracomment>
        <translation>Espirales de Cornu</translation>
    </message>
    <message>
        <source>diaphragm with grating</source>
        <translation>diafragma con red</translation>
    </message>
</context>
<context>
    <name>LessonLink</name>
    <message>
        <source>the browser&apos;s language</source>
        <translation>el idioma del navegador</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>given more than once</source>
        <translation>dado más de una vez</translation>
    </message>
    <message>
        <source>%1 stands alone, or as %1=1 or %1=0</source>
        <extracomment>%1 is the parameter&apos;s name, as in the link.</extracomment>
        <translation>%1 va solo, o como %1=1 o %1=0</translation>
    </message>
    <message>
        <source>Korvane has no such setting</source>
        <translation>Korvane no tiene ese ajuste</translation>
    </message>
    <message>
        <source>The link&apos;s settings could not all be used:</source>
        <translation>No se pudieron usar todos los ajustes del enlace:</translation>
    </message>
    <message>
        <source>%1: %2; it is left out.</source>
        <translation>%1: %2; se omite.</translation>
    </message>
    <message>
        <source>%1: %2; %3 is used instead.</source>
        <translation>%1: %2; se usa %3 en su lugar.</translation>
    </message>
    <message>
        <source>Link to a lesson</source>
        <translation>Enlace a una clase</translation>
    </message>
</context>
<context>
    <name>LookOut</name>
    <message>
        <source>Column x = %1 twips</source>
        <extracomment>A column of the screen line, by its x in twips.</extracomment>
        <translation>Columna x = %1 twips</translation>
    </message>
    <message>
        <source>Phase step: %1° = %2 λ</source>
        <extracomment>%1 in degrees, %2 in wavelengths (lambda) of path difference.</extracomment>
        <translation>Paso de fase: %1° = %2 λ</translation>
    </message>
    <message>
        <source>Mean phase step: %1° = %2 λ</source>
        <translation>Paso de fase medio: %1° = %2 λ</translation>
    </message>
    <message>
        <source>Steps differ by up to ±%1° (finite distance)</source>
        <extracomment>The screen is not infinitely far, so each pair of neighbouring slits has a slightly different step.</extracomment>
        <translation>Los pasos difieren hasta ±%1° (distancia finita)</translation>
    </message>
    <message>
        <source>Intensity: %1 % of the run&apos;s largest</source>
        <translation>Intensidad: %1 % de la mayor de esta pasada</translation>
    </message>
    <message>
        <source>Nearest order m = %1 at x = %2, %3 twips away</source>
        <extracomment>The order m of the grating equation d sin(theta) = m lambda nearest to the pointer.</extracomment>
        <translation>Orden más cercano m = %1 en x = %2, a %3 twips</translation>
    </message>
    <message>
        <source>Far field: %1 % of its largest</source>
        <extracomment>The textbook&apos;s intensity of the same slits seen from infinitely far, at this column.</extracomment>
        <translation>Campo lejano: %1 % de su máximo</translation>
    </message>
    <message>
        <source>far field, scaled to the tallest bar</source>
        <extracomment>Beside the far-field curve drawn over the profile.</extracomment>
        <translation>campo lejano, a escala de la barra más alta</translation>
    </message>
    <message>
        <source>Angle from the slits: θ = %1°</source>
        <extracomment>The angle theta from the middle of the slits to the column, positive to the left.</extracomment>
        <translation>Ángulo desde las rendijas: θ = %1°</translation>
    </message>
    <message>
        <source>Slits: %1   Wavelengths per slit spacing: %2</source>
        <extracomment>%2 names the frequency as the read-out beside the bar does, then the frequency itself.</extracomment>
        <translation>Rendijas: %1   Longitudes de onda por separación de rendijas: %2</translation>
    </message>
</context>
<context>
    <name>NoDisplay</name>
    <message>
        <source>korvane: no display to open the window on (DISPLAY is not set); run it from a desktop session, or headless with: xvfb-run -a %1</source>
        <translation>korvane: no hay ninguna pantalla en la que abrir la ventana (DISPLAY no está definida); ejecute el programa desde una sesión de escritorio, o sin pantalla con: xvfb-run -a %1</translation>
    </message>
</context>
<context>
    <name>ProfileData</name>
    <message>
        <source>column (twips: 1/1440 inch or 1/15 pixel)</source>
        <extracomment>Column headers of the profile data, as a spreadsheet shows them.</extracomment>
        <translation>columna (twips: 1/1440 de pulgada o 1/15 de píxel)</translation>
    </message>
    <message>
        <source>theta (degrees)</source>
        <translation>theta (grados)</translation>
    </message>
    <message>
        <source>path difference (wavelengths)</source>
        <translation>diferencia de camino (longitudes de onda)</translation>
    </message>
    <message>
        <source>intensity (% of the run&apos;s largest)</source>
        <translation>intensidad (% de la mayor de la ejecución)</translation>
    </message>
    <message>
        <source>bar height (twips)</source>
        <translation>altura de la barra (twips)</translation>
    </message>
    <message>
        <source>slits</source>
        <translation>rendijas</translation>
    </message>
    <message>
        <source>frequency (the read-out is it / 6.28: wavelengths per slit spacing)</source>
        <translation>frecuencia (la lectura es ella / 6,28: longitudes de onda por separación de rendijas)</translation>
    </message>
</context>
<context>
    <name>SavePicture</name>
    <message>
        <source>It is a folder.</source>
        <translation>Es una carpeta.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>No es un archivo.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>paused</source>
        <extracomment>In the title bar while a run stands paused: &quot;Korvane (paused)&quot;.</extracomment>
        <translation>en pausa</translation>
    </message>
</context>
<context>
    <name>korvane::ColumnMarker</name>
    <message>
        <source>Look-out&apos;s column</source>
        <translation>Columna de la vista de cerca</translation>
    </message>
</context>
<context>
    <name>korvane::Exports</name>
    <message>
        <source>Copy picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>This browser does not let the page put a picture on the clipboard. Save picture offers it as a download instead.</source>
        <translation>Este navegador no permite que la página ponga una imagen en el portapapeles. Guardar imagen la ofrece como descarga.</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1.

%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason, as the system gives it.</extracomment>
        <translation>No se pudo guardar la imagen como %1.

%2</translation>
    </message>
    <message>
        <source>Save profile data</source>
        <translation>Guardar los datos del perfil</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabla CSV (*.csv)</translation>
    </message>
    <message>
        <source>The profile data could not be saved as %1.

%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason, as the system gives it.</extracomment>
        <translation>No se pudieron guardar los datos del perfil como %1.

%2</translation>
    </message>
</context>
<context>
    <name>korvane::FarFieldLayer</name>
    <message>
        <source>Far-field curve</source>
        <translation>Curva de campo lejano</translation>
    </message>
</context>
<context>
    <name>korvane::KeptProfilesLayer</name>
    <message>
        <source>Kept profiles</source>
        <translation>Perfiles guardados</translation>
    </message>
</context>
<context>
    <name>korvane::LookOutPanel</name>
    <message>
        <source>Look-out</source>
        <translation>Vista de cerca</translation>
    </message>
</context>
<context>
    <name>korvane::MainWindow</name>
    <message>
        <source>Exit waits for the run to end; Space pauses, and then Exit ends at once</source>
        <translation>Salir espera a que termine la pasada; Espacio la pausa, y entonces Salir termina enseguida</translation>
    </message>
    <message>
        <source>Clicks wait for the run to end; Space pauses it</source>
        <translation>Los clics esperan a que termine la pasada; Espacio la pausa</translation>
    </message>
    <message>
        <source>Zoom %1 % would not fit this screen</source>
        <extracomment>%1 is a zoom step in per cent.</extracomment>
        <translation>El zoom al %1 % no cabe en esta pantalla</translation>
    </message>
    <message>
        <source>F11 fills the screen with the window.</source>
        <translation>F11 extiende la ventana a toda la pantalla.</translation>
    </message>
    <message>
        <source>Opened at %1 %: %2 % would not fit this screen</source>
        <extracomment>%1 is the zoom the window opened at, %2 the one asked for, in per cent.</extracomment>
        <translation>Abierto al %1 %: el %2 % no cabe en esta pantalla</translation>
    </message>
</context>
<context>
    <name>korvane::OrderMarks</name>
    <message>
        <source>Orders of the grating equation</source>
        <translation>Órdenes de la ecuación de la red</translation>
    </message>
</context>
<context>
    <name>korvane::PauseHint</name>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Paused before the first column</source>
        <translation>En pausa antes de la primera columna</translation>
    </message>
    <message>
        <source>Paused at column x = %1 twips</source>
        <translation>En pausa en la columna x = %1 twips</translation>
    </message>
    <message>
        <source>Space: go on.  Home, End: the first column, the end.</source>
        <translation>Espacio: seguir.  Inicio, Fin: la primera columna, el final.</translation>
    </message>
    <message>
        <source>Left, Right: a chain back or on; with Shift, a pixel.</source>
        <translation>Izquierda, Derecha: una cadena atrás o adelante; con Mayús, un píxel.</translation>
    </message>
</context>
<context>
    <name>korvane::WindowMenu</name>
    <message>
        <source>Window menu</source>
        <translation>Menú de la ventana</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Save picture...</source>
        <translation>Guardar imagen...</translation>
    </message>
    <message>
        <source>About Korvane</source>
        <translation>Acerca de Korvane</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Salir de pantalla completa</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Show maxima</source>
        <translation>Mostrar máximos</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Show far-field curve</source>
        <translation>Mostrar la curva de campo lejano</translation>
    </message>
    <message>
        <source>Copy profile data</source>
        <translation>Copiar los datos del perfil</translation>
    </message>
    <message>
        <source>Save profile data...</source>
        <translation>Guardar los datos del perfil...</translation>
    </message>
    <message>
        <source>Copy link to this setup</source>
        <translation>Copiar el enlace a esta configuración</translation>
    </message>
    <message>
        <source>Keep profiles to compare</source>
        <translation>Guardar perfiles para comparar</translation>
    </message>
    <message>
        <source>Clear kept profiles</source>
        <translation>Borrar perfiles guardados</translation>
    </message>
</context>
</TS>
