<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>AEPage</name>
    <message>
        <source>Cálculo de Tj</source>
        <translation>Tj calculation</translation>
    </message>
</context>
<context>
    <name>AntiPage</name>
    <message>
        <source>Año</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Procesar</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>Fijar fecha</source>
        <translation>Set date</translation>
    </message>
    <message>
        <source>Guardar la lista</source>
        <translation>Save the list</translation>
    </message>
    <message>
        <source>Archivos de texto (*.txt)|*.txt</source>
        <translation>Text files (*.txt)|*.txt</translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>Archivo no encontrado</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Archivo de elementos orbitales no encontrado</source>
        <translation>Orbital elements file not found</translation>
    </message>
    <message>
        <source>Archivo descargado hace %1 días</source>
        <translation>File downloaded %1 days ago</translation>
    </message>
</context>
<context>
    <name>ConfPage</name>
    <message>
        <source>Posición geográfica</source>
        <translation>Geographic position</translation>
    </message>
    <message>
        <source>Latitud (+N)</source>
        <translation>Latitude (+N)</translation>
    </message>
    <message>
        <source>Altura (m)</source>
        <translation>Altitude (m)</translation>
    </message>
    <message>
        <source>Para exposición máxima</source>
        <translation>For max. exposure</translation>
    </message>
    <message>
        <source>Resolución</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>FWHM medio</source>
        <translation>Mean FWHM</translation>
    </message>
    <message>
        <source>/pix</source>
        <translation>/pix</translation>
    </message>
    <message>
        <source>Formato exposición máxima</source>
        <translation>Max. exposure format</translation>
    </message>
    <message>
        <source>Segundos</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>Minutos - segundos</source>
        <translation>Minutes - seconds</translation>
    </message>
    <message>
        <source>Formato desplazamiento aparente</source>
        <translation>Apparent motion format</translation>
    </message>
    <message>
        <source>Coordenadas polares</source>
        <translation>Polar coordinates</translation>
    </message>
    <message>
        <source>Coordenadas cartesianas</source>
        <translation>Cartesian coordinates</translation>
    </message>
    <message>
        <source>/minuto</source>
        <translation>/min</translation>
    </message>
    <message>
        <source>/hora</source>
        <translation>/hour</translation>
    </message>
    <message>
        <source>Localizar...</source>
        <translation>Locate...</translation>
    </message>
    <message>
        <source>Elementos orbitales (*.dat)|*.dat|Todos los archivos (*.*)|*.*</source>
        <translation>Orbital elements (*.dat)|*.dat|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Longitud (+E)</source>
        <translation>Longitude (+E)</translation>
    </message>
    <message>
        <source>Automático</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Idioma:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>(al reiniciar)</source>
        <translation>(on restart)</translation>
    </message>
    <message>
        <source>Estándar</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Preciso</source>
        <translation>Precise</translation>
    </message>
    <message>
        <source>Modelo:</source>
        <translation>Model:</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Ar:</source>
        <translation>RA:</translation>
    </message>
    <message>
        <source>Dec:</source>
        <translation>Dec:</translation>
    </message>
    <message>
        <source>Distancia:</source>
        <translation>Distance:</translation>
    </message>
    <message>
        <source>Radio vector:</source>
        <translation>Sun distance:</translation>
    </message>
    <message>
        <source>Elongación:</source>
        <translation>Elongation:</translation>
    </message>
    <message>
        <source>Ang. de fase:</source>
        <translation>Phase angle:</translation>
    </message>
    <message>
        <source>Magnitud:</source>
        <translation>Magnitude:</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>Altura máxima (Sol -18°):</source>
        <translation>Max. altitude (Sun -18°):</translation>
    </message>
    <message>
        <source>Velocidad aparente:</source>
        <translation>Apparent motion:</translation>
    </message>
    <message>
        <source>A.P:</source>
        <translation>PA:</translation>
    </message>
    <message>
        <source>Vel. aparente AR:</source>
        <translation>Apparent motion RA:</translation>
    </message>
    <message>
        <source>Vel. aparente Dec:</source>
        <translation>Apparent motion Dec:</translation>
    </message>
    <message>
        <source>Exposición máxima:</source>
        <translation>Max. exposure:</translation>
    </message>
    <message>
        <source>Cometas</source>
        <translation>Comets</translation>
    </message>
    <message>
        <source>NEOs y no ususales</source>
        <translation>NEOs and unusual</translation>
    </message>
    <message>
        <source>Lista crítica</source>
        <translation>Critical list</translation>
    </message>
    <message>
        <source>Objetos lejanos</source>
        <translation>Distant objects</translation>
    </message>
    <message>
        <source>Asteroides brillantes</source>
        <translation>Bright minor planets</translation>
    </message>
    <message>
        <source>NEOs y no usuales</source>
        <translation>NEOs and unusual</translation>
    </message>
    <message>
        <source>Magnitud</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>Altura máxima</source>
        <translation>Max. altitude</translation>
    </message>
    <message>
        <source>Distancia a la Tierra</source>
        <translation>Earth distance</translation>
    </message>
    <message>
        <source>Distancia al Sol</source>
        <translation>Sun distance</translation>
    </message>
    <message>
        <source>Ascensión recta</source>
        <translation>Right ascension</translation>
    </message>
    <message>
        <source>Declinación</source>
        <translation>Declination</translation>
    </message>
    <message>
        <source>Elongación</source>
        <translation>Elongation</translation>
    </message>
    <message>
        <source>Angulo de fase</source>
        <translation>Phase angle</translation>
    </message>
    <message>
        <source>-Ninguna-</source>
        <translation>-None-</translation>
    </message>
    <message>
        <source>Dist. Tierra UA</source>
        <translation>Earth dist. AU</translation>
    </message>
    <message>
        <source>Dist. Sol UA</source>
        <translation>Sun dist. AU</translation>
    </message>
    <message>
        <source>Vel. km/s</source>
        <translation>Vel. km/s</translation>
    </message>
    <message>
        <source>A.R.</source>
        <translation>RA</translation>
    </message>
    <message>
        <source>Alt. máx. (Sol a -18°)</source>
        <translation>Max. alt. (Sun at -18°)</translation>
    </message>
    <message>
        <source>Alt. máx. (Sol a -12°)</source>
        <translation>Max. alt. (Sun at -12°)</translation>
    </message>
    <message>
        <source>Alt. máx. (Sol a -6°)</source>
        <translation>Max. alt. (Sun at -6°)</translation>
    </message>
    <message>
        <source>UA</source>
        <translation>AU</translation>
    </message>
    <message>
        <source>años</source>
        <translation>years</translation>
    </message>
    <message>
        <source>/minuto</source>
        <translation>/min</translation>
    </message>
    <message>
        <source>/hora</source>
        <translation>/hour</translation>
    </message>
    <message>
        <source>seg</source>
        <translation>s</translation>
    </message>
    <message>
        <source>ARCHIVO</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>AAAA</source>
        <translation>YYYY</translation>
    </message>
    <message>
        <source>los cometas de un catálogo que pueden mostrar anticola en un año: la página Anticola?</source>
        <translation>the comets of a catalog that may show an anti-tail in a year: the Anti-tail? page</translation>
    </message>
    <message>
        <source>DATO</source>
        <translation>QUANTITY</translation>
    </message>
    <message>
        <source>DÍAS</source>
        <translation>DAYS</translation>
    </message>
    <message>
        <source>astro|nautical|civil</source>
        <translation>astro|nautical|civil</translation>
    </message>
    <message>
        <source>dibuja la gráfica en ARCHIVO.gif o ARCHIVO.bmp, como la página</source>
        <translation>draws the chart to FILE.gif or FILE.bmp, as the page does</translation>
    </message>
    <message>
        <source>escribe los valores de las dos curvas en CSV (se da -o o --csv)</source>
        <translation>writes the values of the two curves as CSV (give -o or --csv)</translation>
    </message>
    <message>
        <source>la gráfica de dos datos de un objeto a lo largo de los días: la página Tablas</source>
        <translation>the chart of two quantities of an object over the days: the Charts page</translation>
    </message>
    <message>
        <source>R|E|T</source>
        <translation>R|E|T</translation>
    </message>
    <message>
        <source>dónde está un objeto de un catálogo en un instante y cómo se observa: la página Selección</source>
        <translation>where an object of a catalog is at an instant and how it can be observed: the Selection page</translation>
    </message>
    <message>
        <source>descarga los catálogos del Minor Planet Center a la carpeta del programa: la página Descarga de archivos</source>
        <translation>downloads the Minor Planet Center catalogs into the program folder: the Downloads page</translation>
    </message>
    <message>
        <source>FECHA</source>
        <translation>DATE</translation>
    </message>
    <message>
        <source>PASO</source>
        <translation>STEP</translation>
    </message>
    <message>
        <source>dias|horas|minutos</source>
        <translation>dias|horas|minutos</translation>
    </message>
    <message>
        <source>FILAS</source>
        <translation>ROWS</translation>
    </message>
    <message>
        <source>sin la columna del movimiento</source>
        <translation>without the motion columns</translation>
    </message>
    <message>
        <source>sin la columna de la altura</source>
        <translation>without the altitude column</translation>
    </message>
    <message>
        <source>sin la columna de la distancia a la Tierra</source>
        <translation>without the Earth distance column</translation>
    </message>
    <message>
        <source>sin la columna de la distancia al Sol</source>
        <translation>without the Sun distance column</translation>
    </message>
    <message>
        <source>sin la columna de la elongación</source>
        <translation>without the elongation column</translation>
    </message>
    <message>
        <source>sin la columna del ángulo de fase</source>
        <translation>without the phase angle column</translation>
    </message>
    <message>
        <source>la tabla de posiciones de un objeto a intervalos regulares: la página Efemérides</source>
        <translation>the table of positions of an object at regular intervals: the Ephemeris page</translation>
    </message>
    <message>
        <source>GRADOS</source>
        <translation>DEGREES</translation>
    </message>
    <message>
        <source>X,Y</source>
        <translation>X,Y</translation>
    </message>
    <message>
        <source>LISTA</source>
        <translation>LIST</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>UNIDAD</source>
        <translation>UNIT</translation>
    </message>
    <message>
        <source>el dibujo de la órbita de un objeto entre los planetas, o una secuencia de dibujos: la página Orbita</source>
        <translation>the drawing of the orbit of an object among the planets, or a sequence of drawings: the Orbit page</translation>
    </message>
    <message>
        <source>busca un asteroide en MPCOrb.dat y muestra sus elementos, y con --at dónde está: la búsqueda de la página Selección</source>
        <translation>finds a minor planet in MPCOrb.dat and shows its elements, and with --at where it is: the search of the Selection page</translation>
    </message>
    <message>
        <source>CLAVE: el número, el nombre o la designación provisional, como en la caja de búsqueda (&quot;433&quot;, &quot;Eros&quot;, &quot;2004 MN4&quot;); puede ir en varias palabras sin comillas. Sin --at solo se muestran los elementos.</source>
        <translation>KEY: the number, the name or the provisional designation, as in the search box (&quot;433&quot;, &quot;Eros&quot;, &quot;2004 MN4&quot;); it may be several words without quotes. Without --at only the elements are shown.</translation>
    </message>
    <message>
        <source>el semieje mayor de una órbita escrita a mano, en UA (con --e y --i)</source>
        <translation>the semi-major axis of an orbit typed by hand, in AU (with --e and --i)</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>su excentricidad</source>
        <translation>its eccentricity</translation>
    </message>
    <message>
        <source>su inclinación en grados</source>
        <translation>its inclination in degrees</translation>
    </message>
    <message>
        <source>TEXTO</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>el semieje mayor, la excentricidad y el parámetro de Tisserand respecto a Júpiter de una órbita escrita o de un objeto de catálogo: la página e/a</source>
        <translation>the semi-major axis, the eccentricity and the Tisserand parameter with respect to Jupiter of a typed orbit or of a catalog object: the e/a page</translation>
    </message>
    <message>
        <source>--a UA --e E --i GRADOS [--title TEXTO]
--catalog ARCHIVO [--kind C|A] (--object N | --name TEXTO)</source>
        <translation>--a AU --e E --i DEGREES [--title TEXT]
--catalog FILE [--kind C|A] (--object N | --name TEXT)</translation>
    </message>
    <message>
        <source>un catálogo de elementos (se puede repetir; un nombre sin carpeta se busca también en la carpeta del programa)</source>
        <translation>a catalog of elements (may be repeated; a name without a folder is also looked for in the program folder)</translation>
    </message>
    <message>
        <source>los cinco catálogos juntos, cada objeto una vez</source>
        <translation>the five catalogs together, each object once</translation>
    </message>
    <message>
        <source>el archivo MPCOrb.dat del MPC, leído sin cargarlo entero</source>
        <translation>the MPC&apos;s MPCOrb.dat file, read without loading it whole</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <translation>dd/mm/yyyy</translation>
    </message>
    <message>
        <source>la fecha de la noche (de mediodía local a mediodía local)</source>
        <translation>the date of the night (from local noon to local noon)</translation>
    </message>
    <message>
        <source>MAG</source>
        <translation>MAG</translation>
    </message>
    <message>
        <source>MINUTOS</source>
        <translation>MINUTES</translation>
    </message>
    <message>
        <source>solo mientras la Luna está bajo el horizonte</source>
        <translation>only while the Moon is below the horizon</translation>
    </message>
    <message>
        <source>mag|best|time|alt</source>
        <translation>mag|best|time|alt</translation>
    </message>
    <message>
        <source>solo las N primeras filas</source>
        <translation>only the first N rows</translation>
    </message>
    <message>
        <source>la salida como un objeto JSON</source>
        <translation>the output as a JSON object</translation>
    </message>
    <message>
        <source>la salida en CSV</source>
        <translation>the output as CSV</translation>
    </message>
    <message>
        <source>escribe la salida en el archivo (texto: Windows-1252, CR LF)</source>
        <translation>writes the output to the file (text: Windows-1252, CR LF)</translation>
    </message>
    <message>
        <source>qué se puede observar una noche desde un lugar: los objetos de un catálogo ordenados, con su ventana de observación y su mejor momento</source>
        <translation>what can be observed in one night from one site: the objects of a catalog ranked, with their observing window and their best time</translation>
    </message>
    <message>
        <source>correcto; también con --help y --version</source>
        <translation>success; also with --help and --version</translation>
    </message>
    <message>
        <source>la entrada no vale o la operación falla: un archivo que falta o no se lee, un objeto que no está en el catálogo, una línea o una fecha que no se convierte, una escritura o una descarga que falla</source>
        <translation>bad input or a failed operation: a file that is missing or cannot be read, an object not in the catalog, a line or a date that does not convert, a write or a download that fails</translation>
    </message>
    <message>
        <source>la línea de órdenes no vale: sin argumentos, una opción desconocida, una opción sin su valor, un valor que no es un número o está fuera del rango de la opción</source>
        <translation>a wrong command line: no arguments, an unknown option, an option without its value, a value that is not a number or is outside the option&apos;s range</translation>
    </message>
    <message>
        <source>vagaris y vagaris-cli comparten la carpeta del programa: $VAGARIS_HOME si está definida; si no, $XDG_DATA_HOME/vagaris, o ~/.local/share/vagaris (un programa compilado que se ejecuta desde su carpeta de compilación usa esa carpeta cuando puede escribir en ella). Allí están vagaris.ini (la configuración) y los cinco catálogos CometsCR.dat, NeosAndUnusualCR.dat, CriticalListCR.dat, DistantObjectsCR.dat y BrightMinorPlanetsCR.dat; un archivo 457.txt o modext.txt en ella muestra las páginas del modo extendido.</source>
        <translation>vagaris and vagaris-cli share the program folder: $VAGARIS_HOME when it is set; otherwise $XDG_DATA_HOME/vagaris, or ~/.local/share/vagaris (a program run from its build folder uses that folder when it can write there). It holds vagaris.ini (the settings) and the five catalogs CometsCR.dat, NeosAndUnusualCR.dat, CriticalListCR.dat, DistantObjectsCR.dat and BrightMinorPlanetsCR.dat; a file 457.txt or modext.txt in it shows the pages of the extended mode.</translation>
    </message>
    <message>
        <source>uso: vagaris-cli </source>
        <translation>usage: vagaris-cli </translation>
    </message>
    <message>
        <source>muestra esta ayuda y termina</source>
        <translation>shows this help and exits</translation>
    </message>
    <message>
        <source>Las opciones y un ejemplo: vagaris-cli </source>
        <translation>The options and an example: vagaris-cli </translation>
    </message>
    <message>
        <source>
Argumentos:
  </source>
        <translation>
Arguments:
  </translation>
    </message>
    <message>
        <source>
Opciones:
</source>
        <translation>
Options:
</translation>
    </message>
    <message>
        <source>
Ejemplo:
</source>
        <translation>
Example:
</translation>
    </message>
    <message>
        <source>
Códigos de salida:
</source>
        <translation>
Exit codes:
</translation>
    </message>
    <message>
        <source>: los cálculos de Vagaris (cometas y asteroides) desde la línea de órdenes

uso: vagaris-cli ORDEN [opciones]
     vagaris-cli ORDEN --help
     vagaris-cli --help | --version

Órdenes:
</source>
        <translation>: the computations of Vagaris (comets and minor planets) from the command line

usage: vagaris-cli COMMAND [options]
       vagaris-cli COMMAND --help
       vagaris-cli --help | --version

Commands:
</translation>
    </message>
    <message>
        <source>
Archivos:
  </source>
        <translation>
Files:
  </translation>
    </message>
    <message>
        <source>Órdenes de usuario</source>
        <translation>User Commands</translation>
    </message>
    <message>
        <source>NOMBRE</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>los cálculos de Vagaris desde la línea de órdenes</source>
        <translation>the computations of Vagaris from the command line</translation>
    </message>
    <message>
        <source>SINOPSIS</source>
        <translation>SYNOPSIS</translation>
    </message>
    <message>
        <source>orden</source>
        <translation>command</translation>
    </message>
    <message>
        <source>opciones</source>
        <translation>options</translation>
    </message>
    <message>
        <source>DESCRIPCIÓN</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>vagaris-cli hace sin ventana lo que hacen las páginas de</source>
        <translation>vagaris-cli does without a window the work of the pages of</translation>
    </message>
    <message>
        <source>dónde está un cometa o un asteroide, cómo se observa, efemérides, gráficas, el dibujo de la órbita, la búsqueda en MPCOrb.dat, la descarga de catálogos, la búsqueda de anticolas y el parámetro de Tisserand. Todas las horas son de Tiempo Universal.</source>
        <translation>where a comet or a minor planet is, how it can be observed, ephemerides, charts, the drawing of the orbit, the search in MPCOrb.dat, the download of catalogs, the anti-tail search and the Tisserand parameter. All times are Universal Time.</translation>
    </message>
    <message>
        <source>ÓRDENES</source>
        <translation>COMMANDS</translation>
    </message>
    <message>
        <source>Ejemplo:</source>
        <translation>Example:</translation>
    </message>
    <message>
        <source>ARCHIVOS</source>
        <translation>FILES</translation>
    </message>
    <message>
        <source>ESTADO DE SALIDA</source>
        <translation>EXIT STATUS</translation>
    </message>
    <message>
        <source>VÉASE TAMBIÉN</source>
        <translation>SEE ALSO</translation>
    </message>
    <message>
        <source>C|A</source>
        <translation>C|A</translation>
    </message>
    <message>
        <source>el objeto número N del catálogo, desde 0 (se da --object o --name)</source>
        <translation>the object number N of the catalog, from 0 (give --object or --name)</translation>
    </message>
    <message>
        <source>METROS</source>
        <translation>METRES</translation>
    </message>
    <message>
        <source>SEGUNDOS</source>
        <translation>ARCSEC</translation>
    </message>
    <message>
        <source>seconds|minsec</source>
        <translation>seconds|minsec</translation>
    </message>
    <message>
        <source>el movimiento en ascensión recta y declinación; excluye --polar</source>
        <translation>the motion in right ascension and declination; excludes --polar</translation>
    </message>
    <message>
        <source>el movimiento por hora; excluye --per-minute</source>
        <translation>the motion per hour; excludes --per-minute</translation>
    </message>
    <message>
        <source>Posiciones para centro de la Tierra</source>
        <translation>Positions for the Earth&apos;s centre</translation>
    </message>
    <message>
        <source>Altura máxima para Sol a -18º y Lat %1</source>
        <translation>Max. altitude for Sun at -18° and Lat %1</translation>
    </message>
    <message>
        <source>T.U.</source>
        <translation>UT</translation>
    </message>
    <message>
        <source>AR</source>
        <translation>RA</translation>
    </message>
    <message>
        <source>DEC</source>
        <translation>DEC</translation>
    </message>
    <message>
        <source>&quot;/min</source>
        <translation>&quot;/min</translation>
    </message>
    <message>
        <source>&quot;/hora</source>
        <translation>&quot;/hour</translation>
    </message>
    <message>
        <source>AP</source>
        <translation>PA</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>MA</translation>
    </message>
    <message>
        <source>D(UA)</source>
        <translation>D(AU)</translation>
    </message>
    <message>
        <source>R(UA)</source>
        <translation>R(AU)</translation>
    </message>
    <message>
        <source>ELN</source>
        <translation>ELN</translation>
    </message>
    <message>
        <source>AF</source>
        <translation>PHA</translation>
    </message>
    <message>
        <source>APC  APA  DIF</source>
        <translation>TPA  APA  DIF</translation>
    </message>
    <message>
        <source>FECHA TU</source>
        <translation>DATE UT</translation>
    </message>
    <message>
        <source>COMETA</source>
        <translation>COMET</translation>
    </message>
    <message>
        <source>OBJETO</source>
        <translation>OBJECT</translation>
    </message>
    <message>
        <source>CATALOGO</source>
        <translation>CATALOG</translation>
    </message>
    <message>
        <source>INICIO</source>
        <translation>START</translation>
    </message>
    <message>
        <source>FIN</source>
        <translation>END</translation>
    </message>
    <message>
        <source>HORAS</source>
        <translation>HOURS</translation>
    </message>
    <message>
        <source>MEJOR</source>
        <translation>BEST</translation>
    </message>
    <message>
        <source>ALT</source>
        <translation>ALT</translation>
    </message>
    <message>
        <source>AZ</source>
        <translation>AZ</translation>
    </message>
    <message>
        <source>&quot;/MIN</source>
        <translation>&quot;/MIN</translation>
    </message>
    <message>
        <source>LUNA</source>
        <translation>MOON</translation>
    </message>
    <message>
        <source>EDAD</source>
        <translation>AGE</translation>
    </message>
    <message>
        <source>PERIH</source>
        <translation>PERIH</translation>
    </message>
    <message>
        <source>Noche del %1 al %2 (%3 a %4 T.U.)</source>
        <translation>Night of %1 to %2 (%3 to %4 UT)</translation>
    </message>
    <message>
        <source>Lugar: latitud %1°, longitud %2°</source>
        <translation>Site: latitude %1°, longitude %2°</translation>
    </message>
    <message>
        <source>Sin oscuridad esta noche</source>
        <translation>No darkness tonight</translation>
    </message>
    <message>
        <source>Oscuridad (Sol a -%1°): %2 a %3 T.U.</source>
        <translation>Dark (Sun at -%1°): %2 to %3 UT</translation>
    </message>
    <message>
        <source>Luna iluminada a medianoche: %1%</source>
        <translation>Moon illuminated at midnight: %1%</translation>
    </message>
    <message>
        <source>Límites: magnitud %1, altura %2°, %3 min, Luna a %4°</source>
        <translation>Limits: magnitude %1, altitude %2°, %3 min, Moon at %4°</translation>
    </message>
    <message>
        <source>, Luna bajo el horizonte</source>
        <translation>, Moon below the horizon</translation>
    </message>
    <message>
        <source>Catálogo no encontrado: %1</source>
        <translation>Catalog not found: %1</translation>
    </message>
    <message>
        <source>Objetos considerados: %1</source>
        <translation>Objects considered: %1</translation>
    </message>
    <message>
        <source>%1 líneas no válidas</source>
        <translation>%1 invalid lines</translation>
    </message>
    <message>
        <source>Objetos en la lista: %1</source>
        <translation>Objects listed: %1</translation>
    </message>
    <message>
        <source>Objeto</source>
        <translation>Object</translation>
    </message>
    <message>
        <source>Catálogo</source>
        <translation>Catalog</translation>
    </message>
    <message>
        <source>Mag</source>
        <translation>Mag</translation>
    </message>
    <message>
        <source>Inicio</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Fin</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Horas</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>Mejor</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>Alt.</source>
        <translation>Alt.</translation>
    </message>
    <message>
        <source>Az.</source>
        <translation>Az.</translation>
    </message>
    <message>
        <source>Elong.</source>
        <translation>Elong.</translation>
    </message>
    <message>
        <source>Luna</source>
        <translation>Moon</translation>
    </message>
    <message>
        <source>Edad</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>Perih.</source>
        <translation>Perih.</translation>
    </message>
    <message>
        <source>No se puede leer %1; se usan los valores por omisión</source>
        <translation>Cannot read %1; the default values are used</translation>
    </message>
    <message>
        <source>%1, línea %2: valor no válido; se usa el valor por omisión</source>
        <translation>%1, line %2: invalid value; the default value is used</translation>
    </message>
    <message>
        <source>%1, líneas %2: valores no válidos; se usan los valores por omisión</source>
        <translation>%1, lines %2: invalid values; the default values are used</translation>
    </message>
    <message>
        <source> y </source>
        <translation> and </translation>
    </message>
    <message>
        <source>Elementos orbitales no válidos</source>
        <translation>Invalid orbital elements</translation>
    </message>
    <message>
        <source>Fecha fuera de rango</source>
        <translation>Date out of range</translation>
    </message>
    <message>
        <source>La resolución debe ser mayor que 0</source>
        <translation>The resolution must be greater than 0</translation>
    </message>
    <message>
        <source>El FWHM debe ser mayor que 0</source>
        <translation>The FWHM must be greater than 0</translation>
    </message>
    <message>
        <source>Fecha fuera del intervalo del modelo preciso (años 1000 a 2999)</source>
        <translation>Date outside the range of the precise model (years 1000 to 2999)</translation>
    </message>
    <message>
        <source>MPCOrb.dat no encontrado</source>
        <translation>MPCOrb.dat not found</translation>
    </message>
    <message>
        <source>Modelo preciso (topocéntrico, J2000 astrométrico)</source>
        <translation>Precise model (topocentric, J2000 astrometric)</translation>
    </message>
    <message>
        <source>Modelo preciso (geocéntrico, J2000 astrométrico)</source>
        <translation>Precise model (geocentric, J2000 astrometric)</translation>
    </message>
    <message>
        <source>standard|precise</source>
        <translation>standard|precise</translation>
    </message>
    <message>
        <source>con el modelo preciso, la posición para el centro de la Tierra en lugar de la del observador</source>
        <translation>with the precise model, the place for the Earth&apos;s centre instead of the observer&apos;s</translation>
    </message>
    <message>
        <source>Modelo preciso (topocéntrico, J2000 astrométrico, con perturbaciones planetarias)</source>
        <translation>Precise model (topocentric, J2000 astrometric, with planetary perturbations)</translation>
    </message>
    <message>
        <source>Modelo preciso (geocéntrico, J2000 astrométrico, con perturbaciones planetarias)</source>
        <translation>Precise model (geocentric, J2000 astrometric, with planetary perturbations)</translation>
    </message>
    <message>
        <source>No se puede leer %1</source>
        <translation>Cannot read %1</translation>
    </message>
    <message>
        <source>No se puede leer %1: no es un archivo normal</source>
        <translation>Cannot read %1: not a regular file</translation>
    </message>
    <message>
        <source>No se puede leer %1: el archivo pasa de %2 MB</source>
        <translation>Cannot read %1: the file exceeds %2 MB</translation>
    </message>
    <message>
        <source>No se puede leer %1: el archivo cambió durante la lectura</source>
        <translation>Cannot read %1: the file changed while it was read</translation>
    </message>
    <message>
        <source>No se puede leer %1: no es un archivo normal; se usan los valores por omisión</source>
        <translation>Cannot read %1: not a regular file; the default values are used</translation>
    </message>
    <message>
        <source>el archivo pasa de %1 MB</source>
        <translation>the file exceeds %1 MB</translation>
    </message>
    <message>
        <source>la descarga no terminó en %1 s</source>
        <translation>the download did not finish within %1 s</translation>
    </message>
    <message>
        <source>sin respuesta del servidor tras %1 s</source>
        <translation>no answer from the server after %1 s</translation>
    </message>
    <message>
        <source>el catálogo: comets (CometsCR.dat), neos (NeosAndUnusualCR.dat), critical (CriticalListCR.dat), distant (DistantObjectsCR.dat), bright (BrightMinorPlanetsCR.dat) o all (los cinco). El progreso se muestra en la salida de errores. Una descarga que pasa de 64 MB, de --timeout o de --idle-timeout se detiene con un mensaje; SIGTERM o SIGINT la detienen sin dejar archivos temporales, y el código de salida es entonces 128 más la señal (143, 130).</source>
        <translation>the catalog: comets (CometsCR.dat), neos (NeosAndUnusualCR.dat), critical (CriticalListCR.dat), distant (DistantObjectsCR.dat), bright (BrightMinorPlanetsCR.dat) or all (the five). The progress is shown on standard error. A download that exceeds 64 MB, --timeout or --idle-timeout is stopped with a message; SIGTERM or SIGINT stop it without leaving temporary files, and the exit code is then 128 plus the signal (143, 130).</translation>
    </message>
    <message>
        <source>con el modelo preciso, el objeto en la cónica de Kepler de sus elementos, sin las perturbaciones de los planetas (para comparar con programas de dos cuerpos)</source>
        <translation>with the precise model, the object on the Kepler conic of its elements, without the planets&apos; perturbations (to compare with two-body programs)</translation>
    </message>
    <message>
        <source>SEG</source>
        <translation>SEC</translation>
    </message>
    <message>
        <source>--catalog ARCHIVO --year AAAA [-o ARCHIVO]
[--model standard|precise] [--geocentric] [--two-body]</source>
        <translation>--catalog FILE --year YYYY [-o FILE]
[--model standard|precise] [--geocentric] [--two-body]</translation>
    </message>
    <message>
        <source>--catalog ARCHIVO [--kind C|A] (--object N | --name TEXTO)
[--at FECHA] [--left DATO] [--right DATO] [--span DÍAS]
[--twilight astro|nautical|civil] (-o ARCHIVO.gif|ARCHIVO.bmp | --csv)
[opciones de Configuración] [--model standard|precise] [--geocentric] [--two-body]</source>
        <translation>--catalog FILE [--kind C|A] (--object N | --name TEXT)
[--at DATE] [--left QUANTITY] [--right QUANTITY] [--span DAYS]
[--twilight astro|nautical|civil] (-o FILE.gif|FILE.bmp | --csv)
[Settings options] [--model standard|precise] [--geocentric] [--two-body]</translation>
    </message>
    <message>
        <source>--catalog ARCHIVO [--kind C|A] (--object N | --name TEXTO)
[--at FECHA] [--mode R|E|T] [--twilight astro|nautical|civil] [--json]
[--lat GRADOS] [--lon GRADOS] [--alt METROS] [--res SEGUNDOS | --fwhm SEGUNDOS]
[--exposure-format seconds|minsec] [--polar | --cartesian]
[--per-minute | --per-hour] [--model standard|precise] [--geocentric] [--two-body]</source>
        <translation>--catalog FILE [--kind C|A] (--object N | --name TEXT)
[--at DATE] [--mode R|E|T] [--twilight astro|nautical|civil] [--json]
[--lat DEGREES] [--lon DEGREES] [--alt METRES] [--res ARCSEC | --fwhm ARCSEC]
[--exposure-format seconds|minsec] [--polar | --cartesian]
[--per-minute | --per-hour] [--model standard|precise] [--geocentric] [--two-body]</translation>
    </message>
    <message>
        <source>--catalog ARCHIVO [--kind C|A] (--object N | --name TEXTO)
--start FECHA [--step PASO] [--unit dias|horas|minutos] [--rows FILAS]
[--no-vel] [--no-altura] [--no-delta] [--no-r] [--no-elo] [--no-fase]
[--cola] [-o ARCHIVO] [opciones de Configuración]
[--model standard|precise] [--geocentric] [--two-body]</source>
        <translation>--catalog FILE [--kind C|A] (--object N | --name TEXT)
--start DATE [--step STEP] [--unit dias|horas|minutos] [--rows ROWS]
[--no-vel] [--no-altura] [--no-delta] [--no-r] [--no-elo] [--no-fase]
[--cola] [-o FILE] [Settings options]
[--model standard|precise] [--geocentric] [--two-body]</translation>
    </message>
    <message>
        <source>[--mpcorb ARCHIVO] CLAVE [--json] [--at FECHA]
[opciones de Configuración]
[--model standard|precise] [--geocentric] [--two-body]</source>
        <translation>[--mpcorb FILE] KEY [--json] [--at DATE]
[Settings options]
[--model standard|precise] [--geocentric] [--two-body]</translation>
    </message>
    <message>
        <source>(--catalog ARCHIVO [--catalog ARCHIVO ...] | --all-catalogs | --mpcorb ARCHIVO)
--date dd/mm/yyyy [--lat GRADOS] [--lon GRADOS] [--twilight astro|nautical|civil]
[--mag MAG] [--min-alt GRADOS] [--min-time MINUTOS] [--moon-sep GRADOS] [--moon-down]
[--sort mag|best|time|alt] [--limit N] [--threads N] [--json | --csv] [-o ARCHIVO]
[--alt METROS] [--model standard|precise] [--geocentric] [--two-body]</source>
        <translation>(--catalog FILE [--catalog FILE ...] | --all-catalogs | --mpcorb FILE)
--date dd/mm/yyyy [--lat DEGREES] [--lon DEGREES] [--twilight astro|nautical|civil]
[--mag MAG] [--min-alt DEGREES] [--min-time MINUTES] [--moon-sep DEGREES] [--moon-down]
[--sort mag|best|time|alt] [--limit N] [--threads N] [--json | --csv] [-o FILE]
[--alt METRES] [--model standard|precise] [--geocentric] [--two-body]</translation>
    </message>
    <message>
        <source>; los catálogos de ejemplo están en %1</source>
        <translation>; the sample catalogs are in %1</translation>
    </message>
    <message>
        <source>No se puede leer %1: no está en la carpeta actual (%2) ni en la carpeta del programa (%3)</source>
        <translation>Cannot read %1: it is neither in the current folder (%2) nor in the program folder (%3)</translation>
    </message>
    <message>
        <source>argumento inesperado: %1</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message>
        <source>--year espera un año: &apos;%1&apos;</source>
        <translation>--year expects a year: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>chart: %1 &apos;%2&apos; no es magnitud, altura, dtierra, dsol, vel, ar, dec, elon, afase ni ninguna</source>
        <translation>chart: %1 &apos;%2&apos; is not magnitude, altitude, earth-distance, sun-distance, speed, ra, dec, elongation, phase or none</translation>
    </message>
    <message>
        <source>chart: -o y --csv se excluyen</source>
        <translation>chart: -o and --csv exclude each other</translation>
    </message>
    <message>
        <source>chart: falta -o ARCHIVO o --csv</source>
        <translation>chart: missing -o FILE or --csv</translation>
    </message>
    <message>
        <source>El objeto elegido no tiene fecha de elementos: nada que calcular</source>
        <translation>The chosen object has no epoch in its elements: nothing to compute</translation>
    </message>
    <message>
        <source>descarga interrumpida por la señal %1</source>
        <translation>download interrupted by signal %1</translation>
    </message>
    <message>
        <source>download: catálogo desconocido &apos;%1&apos; (comets, neos, critical, distant, bright o all)</source>
        <translation>download: unknown catalog &apos;%1&apos; (comets, neos, critical, distant, bright or all)</translation>
    </message>
    <message>
        <source>download: falta el catálogo</source>
        <translation>download: missing the catalog</translation>
    </message>
    <message>
        <source>download: un solo catálogo cada vez, o all</source>
        <translation>download: one catalog at a time, or all</translation>
    </message>
    <message>
        <source>%1 espera un número: &apos;%2&apos;</source>
        <translation>%1 expects a number: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1 espera un número entero: &apos;%2&apos;</source>
        <translation>%1 expects an integer: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>con --frames, las N imágenes en un solo GIF animado (cada una 0,2 s, en bucle) en lugar de la secuencia numerada: -o ARCHIVO.gif</source>
        <translation>with --frames, the N pictures in one animated GIF (0.2 s each, looping) instead of the numbered sequence: -o FILE.gif</translation>
    </message>
    <message>
        <source>--scale: se espera una escala de 0.5 a 100 UA en décimas, no &apos;%1&apos;</source>
        <translation>--scale: a scale from 0.5 to 100 AU in tenths is expected, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--pan: se espera X,Y en píxeles, no &apos;%1&apos;</source>
        <translation>--pan: X,Y in pixels is expected, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--planets: planeta desconocido &apos;%1&apos;</source>
        <translation>--planets: unknown planet &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--planets: lista vacía</source>
        <translation>--planets: empty list</translation>
    </message>
    <message>
        <source>falta -o ARCHIVO.gif|ARCHIVO.bmp</source>
        <translation>missing -o FILE.gif|FILE.bmp</translation>
    </message>
    <message>
        <source>--step y --unit solo sirven con --frames</source>
        <translation>--step and --unit only work with --frames</translation>
    </message>
    <message>
        <source>--animated solo sirve con --frames</source>
        <translation>--animated only works with --frames</translation>
    </message>
    <message>
        <source>--animated: se espera --frames de 1 a %1</source>
        <translation>--animated: --frames from 1 to %1 is expected</translation>
    </message>
    <message>
        <source>--animated escribe un GIF: -o ARCHIVO.gif, no &apos;%1&apos;</source>
        <translation>--animated writes a GIF: -o FILE.gif, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--catalog ARCHIVO [--kind C|A] (--object N | --name TEXTO)
[--at FECHA] [--tilt GRADOS] [--azimuth GRADOS] [--scale UA] [--pan X,Y]
[--planets LISTA] [--plane] [--web]
[--frames N [--step K] [--unit UNIDAD] [--animated]]
-o ARCHIVO.gif|ARCHIVO.bmp [opciones de Configuración]
[--model standard|precise] [--geocentric] [--two-body]</source>
        <translation>--catalog FILE [--kind C|A] (--object N | --name TEXT)
[--at DATE] [--tilt DEGREES] [--azimuth DEGREES] [--scale AU] [--pan X,Y]
[--planets LIST] [--plane] [--web]
[--frames N [--step K] [--unit UNIT] [--animated]]
-o FILE.gif|FILE.bmp [Settings options]
[--model standard|precise] [--geocentric] [--two-body]</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>search: falta la CLAVE que se busca</source>
        <translation>search: missing the KEY to look for</translation>
    </message>
    <message>
        <source>se da una órbita (--a --e --i) o un objeto de catálogo (--catalog), no ambos</source>
        <translation>give an orbit (--a --e --i) or a catalog object (--catalog), not both</translation>
    </message>
    <message>
        <source>falta --a --e --i o --catalog</source>
        <translation>missing --a --e --i or --catalog</translation>
    </message>
    <message>
        <source>falta %1</source>
        <translation>missing %1</translation>
    </message>
    <message>
        <source>se da --object N o --name TEXTO</source>
        <translation>give --object N or --name TEXT</translation>
    </message>
    <message>
        <source>El texto es una cabecera (la noche, el lugar, la oscuridad, la Luna, los límites y las cuentas) y una tabla, una fila por objeto en el orden de --sort, con estas columnas:</source>
        <translation>The text is a header (the night, the site, the darkness, the Moon, the limits and the counts) and a table, one row per object in the order of --sort, with these columns:</translation>
    </message>
    <message>
        <source>el número del objeto en su catálogo, desde 0 (el de --object en las otras órdenes y su lugar en las listas de objetos de la ventana); vacío para MPCOrb.dat</source>
        <translation>the object&apos;s number in its catalog, from 0 (the one of --object in the other commands and its place in the window&apos;s object lists); empty for MPCOrb.dat</translation>
    </message>
    <message>
        <source>el nombre del objeto</source>
        <translation>the object&apos;s name</translation>
    </message>
    <message>
        <source>el catálogo del que viene (solo con varios catálogos)</source>
        <translation>the catalog it comes from (only with several catalogs)</translation>
    </message>
    <message>
        <source>la magnitud en el mejor momento</source>
        <translation>the magnitude at the best time</translation>
    </message>
    <message>
        <source>el primer minuto observable (T.U.)</source>
        <translation>the first observable minute (UT)</translation>
    </message>
    <message>
        <source>el último minuto observable (T.U.)</source>
        <translation>the last observable minute (UT)</translation>
    </message>
    <message>
        <source>el tiempo observable (horas:minutos)</source>
        <translation>the observable time (hours:minutes)</translation>
    </message>
    <message>
        <source>el mejor momento (T.U.): el de mayor altura mientras es observable</source>
        <translation>the best time (UT): the highest altitude while observable</translation>
    </message>
    <message>
        <source>la altura en el mejor momento [°]</source>
        <translation>the altitude at the best time [°]</translation>
    </message>
    <message>
        <source>el acimut en el mejor momento, desde el norte hacia el este [°]</source>
        <translation>the azimuth at the best time, from the north through the east [°]</translation>
    </message>
    <message>
        <source>la elongación, la distancia angular al Sol [°]</source>
        <translation>the elongation, the angular distance from the Sun [°]</translation>
    </message>
    <message>
        <source>la distancia a la Tierra [UA]</source>
        <translation>the distance from the Earth [AU]</translation>
    </message>
    <message>
        <source>la distancia al Sol [UA]</source>
        <translation>the distance from the Sun [AU]</translation>
    </message>
    <message>
        <source>el movimiento aparente [&quot;/min]</source>
        <translation>the apparent motion [&quot;/min]</translation>
    </message>
    <message>
        <source>el ángulo de posición del movimiento aparente, desde el norte hacia el este [°]</source>
        <translation>the position angle of the apparent motion, from the north through the east [°]</translation>
    </message>
    <message>
        <source>la separación de la Luna en el mejor momento [°]</source>
        <translation>the separation from the Moon at the best time [°]</translation>
    </message>
    <message>
        <source>asteroides: los días desde la época de los elementos hasta el mejor momento</source>
        <translation>minor planets: the days from the elements&apos; epoch to the best time</translation>
    </message>
    <message>
        <source>cometas: los días desde el perihelio hasta el mejor momento (negativos antes del perihelio)</source>
        <translation>comets: the days from the perihelion to the best time (negative before the perihelion)</translation>
    </message>
    <message>
        <source>Un * tras EDAD o PERIH marca más de 200 días y ** más de 1000 (la ventana los pinta en ámbar y en rojo): elementos viejos, y la posición calculada puede estar lejos de la real. --json y --csv dan los mismos valores sin redondear, con sus nombres de clave.</source>
        <translation>A * after AGE or PERIH marks more than 200 days and ** more than 1000 (the window paints them amber and red): old elements, and the computed position may be far from the real one. --json and --csv give the same values unrounded, with their key names.</translation>
    </message>
    <message>
        <source>No hay catálogos en %1: faltan %2</source>
        <translation>No catalogs in %1: %2 are missing</translation>
    </message>
    <message>
        <source>opción desconocida: %1 (vagaris-cli %2 --help enumera las opciones)</source>
        <translation>unknown option: %1 (vagaris-cli %2 --help lists the options)</translation>
    </message>
    <message>
        <source>falta el valor de %1</source>
        <translation>missing the value of %1</translation>
    </message>
    <message>
        <source>%1 no lleva valor</source>
        <translation>%1 takes no value</translation>
    </message>
    <message>
        <source>
Salida:
</source>
        <translation>
Output:
</translation>
    </message>
    <message>
        <source>Salida:</source>
        <translation>Output:</translation>
    </message>
    <message>
        <source>%1 fuera de rango (%2 a %3): &apos;%4&apos;</source>
        <translation>%1 out of range (%2 to %3): &apos;%4&apos;</translation>
    </message>
    <message>
        <source>%1 y %2 se excluyen</source>
        <translation>%1 and %2 exclude each other</translation>
    </message>
    <message>
        <source>Ningún objeto de %1 contiene &apos;%2&apos;</source>
        <translation>No object of %1 contains &apos;%2&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; coincide con %2; use --object N o un nombre más largo</source>
        <translation>&apos;%1&apos; matches %2; use --object N or a longer name</translation>
    </message>
    <message>
        <source>--geocentric solo vale con el modelo preciso (--model precise)</source>
        <translation>--geocentric only works with the precise model (--model precise)</translation>
    </message>
    <message>
        <source>--two-body solo vale con el modelo preciso (--model precise)</source>
        <translation>--two-body only works with the precise model (--model precise)</translation>
    </message>
    <message>
        <source>falta --object N o --name TEXTO</source>
        <translation>missing --object N or --name TEXT</translation>
    </message>
    <message>
        <source>no se reconoce el formato de &apos;%1&apos;: indique --kind C o --kind A</source>
        <translation>the format of &apos;%1&apos; is not recognised: give --kind C or --kind A</translation>
    </message>
    <message>
        <source>No existe el objeto %1 en %2 (%3 objetos)</source>
        <translation>There is no object %1 in %2 (%3 objects)</translation>
    </message>
    <message>
        <source>--name: el nombre buscado está vacío</source>
        <translation>--name: the name looked for is empty</translation>
    </message>
    <message>
        <source>No se pudo escribir la salida: %1</source>
        <translation>The output could not be written: %1</translation>
    </message>
    <message>
        <source>uso: vagaris-cli &lt;orden&gt; [opciones]
órdenes:%1
La ayuda: vagaris-cli --help, vagaris-cli &lt;orden&gt; --help
</source>
        <translation>usage: vagaris-cli &lt;command&gt; [options]
commands:%1
Help: vagaris-cli --help, vagaris-cli &lt;command&gt; --help
</translation>
    </message>
    <message>
        <source> o </source>
        <translation> or </translation>
    </message>
    <message>
        <source>--lang: se esperaba %1</source>
        <translation>--lang: expected %1</translation>
    </message>
    <message>
        <source>opción desconocida: %1 (vagaris-cli --help enumera las órdenes)</source>
        <translation>unknown option: %1 (vagaris-cli --help lists the commands)</translation>
    </message>
    <message>
        <source>orden desconocida: %1 (vagaris-cli --help enumera las órdenes)</source>
        <translation>unknown command: %1 (vagaris-cli --help lists the commands)</translation>
    </message>
    <message>
        <source>Latitud no válida: &apos;%1&apos;</source>
        <translation>Invalid latitude: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Longitud no válida: &apos;%1&apos;</source>
        <translation>Invalid longitude: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Latitud fuera de rango (%1 a %2): &apos;%3&apos;</source>
        <translation>Latitude out of range (%1 to %2): &apos;%3&apos;</translation>
    </message>
    <message>
        <source>Longitud fuera de rango (%1 a %2): &apos;%3&apos;</source>
        <translation>Longitude out of range (%1 to %2): &apos;%3&apos;</translation>
    </message>
    <message>
        <source>tonight: indique uno de --catalog, --all-catalogs o --mpcorb</source>
        <translation>tonight: give one of --catalog, --all-catalogs or --mpcorb</translation>
    </message>
    <message>
        <source>tonight: falta --date dd/mm/yyyy</source>
        <translation>tonight: missing --date dd/mm/yyyy</translation>
    </message>
    <message>
        <source>--date espera dd/mm/yyyy: &apos;%1&apos;</source>
        <translation>--date expects dd/mm/yyyy: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>comets|neos|critical|distant|bright|all</source>
        <translation>comets|neos|critical|distant|bright|all</translation>
    </message>
    <message>
        <source>el objeto llamado TEXTO, sin distinguir mayúsculas ni espacios, o si no el único cuyo nombre contiene TEXTO; si varios lo contienen, se enumeran y no se calcula nada</source>
        <translation>the object named TEXT, case and spaces ignored, else the only one whose name contains TEXT; when several contain it, they are listed and nothing is computed</translation>
    </message>
    <message>
        <source>el servidor rechazó la conexión</source>
        <translation>the server refused the connection</translation>
    </message>
    <message>
        <source>el servidor cerró la conexión antes de terminar</source>
        <translation>the server closed the connection before the end</translation>
    </message>
    <message>
        <source>no se encontró el servidor %1</source>
        <translation>server %1 not found</translation>
    </message>
    <message>
        <source>no se pudo establecer la conexión segura con el servidor</source>
        <translation>no secure connection could be made with the server</translation>
    </message>
    <message>
        <source>la red no está disponible</source>
        <translation>the network is not available</translation>
    </message>
    <message>
        <source>respuesta no válida del servidor</source>
        <translation>invalid answer from the server</translation>
    </message>
    <message>
        <source>el servidor no tiene el archivo (HTTP 404)</source>
        <translation>the server does not have the file (HTTP 404)</translation>
    </message>
    <message>
        <source>el servidor no permite descargarlo (HTTP 403)</source>
        <translation>the server does not allow downloading it (HTTP 403)</translation>
    </message>
    <message>
        <source>el servidor respondió con error (HTTP %1)</source>
        <translation>the server answered with an error (HTTP %1)</translation>
    </message>
    <message>
        <source>error de red (código %1)</source>
        <translation>network error (code %1)</translation>
    </message>
    <message>
        <source>cuerpo incompleto: %1 de %2 bytes</source>
        <translation>incomplete body: %1 of %2 bytes</translation>
    </message>
    <message>
        <source>redirección no seguida a %1</source>
        <translation>redirect to %1 not followed</translation>
    </message>
    <message>
        <source>el servidor envió un archivo vacío</source>
        <translation>the server sent an empty file</translation>
    </message>
    <message>
        <source>el servidor envió una página web en lugar del catálogo</source>
        <translation>the server sent a web page instead of the catalog</translation>
    </message>
    <message>
        <source>el archivo llegó cortado (su última línea no termina)</source>
        <translation>the file arrived cut short (its last line does not end)</translation>
    </message>
    <message>
        <source>catálogo de cometas en el formato del MPC.</source>
        <translation>comet catalog in the MPC format.</translation>
    </message>
    <message>
        <source>el año de la búsqueda, %r.</source>
        <translation>the year searched, %r.</translation>
    </message>
    <message>
        <source>escribe la lista en ARCHIVO como la guarda la página (CR LF, Windows-1252) en lugar de mostrarla (%d)</source>
        <translation>writes the list to FILE as the page saves it (CR LF, Windows-1252) instead of showing it (%d)</translation>
    </message>
    <message>
        <source>la curva del eje izquierdo: magnitud, altura, dtierra, dsol, vel, ar, dec, elon, afase o ninguna (%d)</source>
        <translation>the curve on the left axis: magnitude, altitude, earth-distance, sun-distance, speed, ra, dec, elongation, phase or none (the Spanish keywords magnitud, altura, dtierra, dsol, vel, ar, dec, elon, afase and ninguna are accepted too; default magnitude)</translation>
    </message>
    <message>
        <source>la curva del eje derecho, como --left (%d)</source>
        <translation>the curve on the right axis, as --left (%d)</translation>
    </message>
    <message>
        <source>los días que abarca la gráfica desde --at, %r (%d)</source>
        <translation>the days the chart spans from --at, %r (%d)</translation>
    </message>
    <message>
        <source>el fin del crepúsculo para la mejor altura: astronómico, náutico o civil (%d)</source>
        <translation>the end of twilight for the best altitude: astronomical, nautical or civil (%d)</translation>
    </message>
    <message>
        <source>R: los resultados de la página Selección; E: los valores calculados para el instante; T: como E, con el crepúsculo de --twilight (%d)</source>
        <translation>R: the results of the Selection page; E: the values computed for the instant; T: as E, with the twilight of --twilight (%d)</translation>
    </message>
    <message>
        <source>el fin del crepúsculo para la mejor altura en el modo T: astronómico (-18°), náutico (-12°) o civil (-6°) (%d; R y E usan siempre -18°)</source>
        <translation>the end of twilight for the best altitude in mode T: astronomical (-18°), nautical (-12°) or civil (-6°) (%d; R and E always use -18°)</translation>
    </message>
    <message>
        <source>la salida como un objeto JSON (%d)</source>
        <translation>the output as a JSON object (%d)</translation>
    </message>
    <message>
        <source>el tiempo máximo de la descarga de cada catálogo, %r s (%d)</source>
        <translation>the longest the download of each catalog may take, %r s (%d)</translation>
    </message>
    <message>
        <source>cuánto se espera a un servidor que no envía nada, %r s (%d)</source>
        <translation>how long a server that sends nothing is waited for, %r s (%d)</translation>
    </message>
    <message>
        <source>el instante de la primera fila en Tiempo Universal, &quot;dd/mm/aaaa hh:nn:ss&quot; o &quot;dd/mm/aaaa&quot;.</source>
        <translation>the instant of the first row in Universal Time, &quot;dd/mm/yyyy hh:nn:ss&quot; or &quot;dd/mm/yyyy&quot;.</translation>
    </message>
    <message>
        <source>el paso entre filas, %r (%d)</source>
        <translation>the step between rows, %r (%d)</translation>
    </message>
    <message>
        <source>la unidad del paso (%d)</source>
        <translation>the unit of the step: days, hours or minutes (%d)</translation>
    </message>
    <message>
        <source>el número de filas, %r (%d)</source>
        <translation>the number of rows, %r (%d)</translation>
    </message>
    <message>
        <source>con la columna de la cola (%d)</source>
        <translation>with the tail columns (%d)</translation>
    </message>
    <message>
        <source>por defecto, sin ella</source>
        <translation>default: without them</translation>
    </message>
    <message>
        <source>escribe la tabla en ARCHIVO como la guarda la página (CR LF, Windows-1252) en lugar de mostrarla (%d)</source>
        <translation>writes the table to FILE as the page saves it (CR LF, Windows-1252) instead of showing it (%d)</translation>
    </message>
    <message>
        <source>la inclinación de la vista, %r (%d)</source>
        <translation>the tilt of the view, %r (%d)</translation>
    </message>
    <message>
        <source>el giro de la vista, %r (%d)</source>
        <translation>the turn of the view, %r (%d)</translation>
    </message>
    <message>
        <source>la escala: las unidades astronómicas del radio del dibujo, %r en décimas (%d)</source>
        <translation>the scale: the radius of the drawing in astronomical units, %r in tenths (%d)</translation>
    </message>
    <message>
        <source>el desplazamiento del dibujo en píxeles (%d)</source>
        <translation>the shift of the drawing in pixels (%d)</translation>
    </message>
    <message>
        <source>las órbitas de planetas dibujadas: nombres de mer,ven,mar,jup,sat,ura,nep separados por comas, o all (%d)</source>
        <translation>the planet orbits drawn: names among mer,ven,mar,jup,sat,ura,nep separated by commas, or all (%d)</translation>
    </message>
    <message>
        <source>por defecto, ninguna</source>
        <translation>default: none</translation>
    </message>
    <message>
        <source>dibuja el cuadrado del plano de la eclíptica (%d)</source>
        <translation>draws the square of the ecliptic plane (%d)</translation>
    </message>
    <message>
        <source>por defecto, no</source>
        <translation>default: no</translation>
    </message>
    <message>
        <source>el tamaño &quot;Para web&quot;, 326 x 326 píxeles (%d)</source>
        <translation>the &quot;For web&quot; size, 326 x 326 pixels (%d)</translation>
    </message>
    <message>
        <source>una secuencia de N imágenes numeradas, %r (%d)</source>
        <translation>a sequence of N numbered pictures, %r (%d)</translation>
    </message>
    <message>
        <source>por defecto, una sola imagen</source>
        <translation>default: a single picture</translation>
    </message>
    <message>
        <source>con --frames, el paso entre imágenes: %c (%d)</source>
        <translation>with --frames, the step between pictures: %c (%d)</translation>
    </message>
    <message>
        <source>con --frames, la unidad del paso: %c (%d)</source>
        <translation>with --frames, the unit of the step: %c (years, months, weeks, days, hours, minutes; %d)</translation>
    </message>
    <message>
        <source>la imagen, ARCHIVO.gif o ARCHIVO.bmp, como la guarda la página.</source>
        <translation>the picture, FILE.gif or FILE.bmp, as the page saves it.</translation>
    </message>
    <message>
        <source>el archivo MPCOrb.dat del MPC (%d)</source>
        <translation>the MPC&apos;s MPCOrb.dat file (%d)</translation>
    </message>
    <message>
        <source>por defecto, el elegido en la página Configuración</source>
        <translation>default: the one chosen on the Settings page</translation>
    </message>
    <message>
        <source>el nombre que se muestra (%d)</source>
        <translation>the name shown (%d)</translation>
    </message>
    <message>
        <source>longitud, este positiva, %r (%d)</source>
        <translation>longitude, east positive, %r (%d)</translation>
    </message>
    <message>
        <source>altura del observador, %r, para el modelo preciso (%d)</source>
        <translation>the observer&apos;s height, %r, for the precise model (%d)</translation>
    </message>
    <message>
        <source>el Sol a -18°, -12° o -6° (%d)</source>
        <translation>the Sun at -18°, -12° or -6° (%d)</translation>
    </message>
    <message>
        <source>magnitud límite, %r (%d)</source>
        <translation>limiting magnitude, %r (%d)</translation>
    </message>
    <message>
        <source>altura mínima, %r (%d)</source>
        <translation>minimum altitude, %r (%d)</translation>
    </message>
    <message>
        <source>tiempo observable mínimo, %r (%d)</source>
        <translation>minimum observable time, %r (%d)</translation>
    </message>
    <message>
        <source>separación mínima de la Luna, %r; 0 la desactiva (%d)</source>
        <translation>minimum separation from the Moon, %r; 0 turns it off (%d)</translation>
    </message>
    <message>
        <source>el orden de la lista (%d)</source>
        <translation>the order of the list (%d)</translation>
    </message>
    <message>
        <source>hilos de cálculo, %r (%d)</source>
        <translation>computing threads, %r (%d)</translation>
    </message>
    <message>
        <source>por defecto, uno por procesador</source>
        <translation>default: one per processor</translation>
    </message>
    <message>
        <source>de %1 a %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>%1 a %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>por defecto %1</source>
        <translation>default %1</translation>
    </message>
    <message>
        <source>por defecto, ahora</source>
        <translation>default: now</translation>
    </message>
    <message>
        <source>por defecto, la de vagaris.ini</source>
        <translation>default: that of vagaris.ini</translation>
    </message>
    <message>
        <source>por defecto la de vagaris.ini, %1 sin archivo</source>
        <translation>default: that of vagaris.ini, %1 without the file</translation>
    </message>
    <message>
        <source>por defecto, si vagaris.ini no dice otra cosa</source>
        <translation>the default, unless vagaris.ini says otherwise</translation>
    </message>
    <message>
        <source>por defecto, en la salida estándar</source>
        <translation>default: to standard output</translation>
    </message>
    <message>
        <source>por defecto, texto</source>
        <translation>default: text</translation>
    </message>
    <message>
        <source>Obligatoria.</source>
        <translation>Required.</translation>
    </message>
    <message>
        <source>catálogo de elementos orbitales en el formato del MPC; un nombre relativo que no existe en la carpeta actual se busca en la carpeta del programa.</source>
        <translation>catalog of orbital elements in the MPC format; a relative name that does not exist in the current folder is looked for in the program folder.</translation>
    </message>
    <message>
        <source>formato del catálogo: C cometas, A asteroides (%d)</source>
        <translation>format of the catalog: C comets, A minor planets (%d)</translation>
    </message>
    <message>
        <source>por defecto, según el nombre del archivo: CometsCR.dat es C; NeosAndUnusualCR.dat, CriticalListCR.dat, DistantObjectsCR.dat y BrightMinorPlanetsCR.dat son A</source>
        <translation>default: by the file name: CometsCR.dat is C; NeosAndUnusualCR.dat, CriticalListCR.dat, DistantObjectsCR.dat and BrightMinorPlanetsCR.dat are A</translation>
    </message>
    <message>
        <source>el instante en Tiempo Universal, &quot;dd/mm/aaaa hh:nn:ss&quot; o &quot;dd/mm/aaaa&quot; (%d)</source>
        <translation>the instant in Universal Time, &quot;dd/mm/yyyy hh:nn:ss&quot; or &quot;dd/mm/yyyy&quot; (%d)</translation>
    </message>
    <message>
        <source>latitud, norte positiva, %r (%d)</source>
        <translation>latitude, north positive, %r (%d)</translation>
    </message>
    <message>
        <source>longitud del observador en grados, este positiva, %r; la usa el modelo preciso (%d)</source>
        <translation>the observer&apos;s longitude in degrees, east positive, %r; used by the precise model (%d)</translation>
    </message>
    <message>
        <source>altitud del observador en metros, %r (%d)</source>
        <translation>the observer&apos;s height in metres, %r (%d)</translation>
    </message>
    <message>
        <source>resolución en segundos de arco por píxel con la que se calcula la exposición (%d); excluye --fwhm</source>
        <translation>resolution in arcseconds per pixel for the exposure (%d); excludes --fwhm</translation>
    </message>
    <message>
        <source>FWHM de las estrellas en segundos de arco: la exposición se calcula con ella en lugar de la resolución (%d; excluye --res)</source>
        <translation>FWHM of the stars in arcseconds: the exposure is computed from it instead of the resolution (%d; excludes --res)</translation>
    </message>
    <message>
        <source>por defecto se usa la resolución</source>
        <translation>default: the resolution is used</translation>
    </message>
    <message>
        <source>la exposición en segundos o en minutos y segundos (%d)</source>
        <translation>the exposure in seconds or in minutes and seconds (%d)</translation>
    </message>
    <message>
        <source>el movimiento en ángulo de posición y velocidad (%d)</source>
        <translation>the motion as position angle and rate (%d)</translation>
    </message>
    <message>
        <source>el movimiento por minuto (%d)</source>
        <translation>the motion per minute (%d)</translation>
    </message>
    <message>
        <source>el modelo de cálculo: standard, el del programa, o precise, posiciones astrométricas J2000 topocéntricas para la latitud, longitud y altura de vagaris.ini, con el movimiento integrado bajo la atracción de los planetas desde la época de los elementos (los asteroides desde su época de osculación; los cometas, cuyas líneas no traen época de osculación, desde el instante del perihelio) (%d)</source>
        <translation>the computation model: standard, the program&apos;s own, or precise, topocentric J2000 astrometric positions for the latitude, longitude and height of vagaris.ini, with the motion integrated under the planets&apos; pull from the epoch of the elements (minor planets from their epoch of osculation; comets, whose lines carry no epoch of osculation, from the perihelion time) (%d)</translation>
    </message>
    <message>
        <source>por defecto el de vagaris.ini, %1 sin archivo</source>
        <translation>default: that of vagaris.ini, %1 without the file</translation>
    </message>
    <message>
        <source>%1 debe ser mayor que %2: &apos;%3&apos;</source>
        <translation>%1 must be greater than %2: &apos;%3&apos;</translation>
    </message>
    <message>
        <source>%1 espera %2: &apos;%3&apos;</source>
        <translation>%1 expects %2: &apos;%3&apos;</translation>
    </message>
    <message>
        <source>falta %1 %2</source>
        <translation>missing %1 %2</translation>
    </message>
    <message>
        <source>No se puede cargar %1: %2</source>
        <translation>Cannot load %1: %2</translation>
    </message>
    <message>
        <source>Error descargando archivo
%1: %2</source>
        <translation>Error downloading file
%1: %2</translation>
    </message>
    <message>
        <source>Error descargando archivo %1: %2</source>
        <translation>Error downloading file %1: %2</translation>
    </message>
    <message>
        <source>el archivo no es un catálogo de cometas (solo %1 de %2 líneas se leen)</source>
        <translation>the file is not a catalog of comets (only %1 of %2 lines read)</translation>
    </message>
    <message>
        <source>el archivo no es un catálogo de asteroides (solo %1 de %2 líneas se leen)</source>
        <translation>the file is not a catalog of minor planets (only %1 of %2 lines read)</translation>
    </message>
    <message>
        <source>MPCOrb.dat: &apos;%1&apos; sin permiso de lectura</source>
        <translation>MPCOrb.dat: &apos;%1&apos; has no read permission</translation>
    </message>
    <message>
        <source>MPCOrb.dat: &apos;%1&apos; no se puede leer (código %2)</source>
        <translation>MPCOrb.dat: &apos;%1&apos; cannot be read (code %2)</translation>
    </message>
    <message>
        <source>MPCOrb.dat: &apos;%1&apos; es una carpeta</source>
        <translation>MPCOrb.dat: &apos;%1&apos; is a folder</translation>
    </message>
    <message>
        <source>MPCOrb.dat: &apos;%1&apos; es una tubería (FIFO), no un archivo</source>
        <translation>MPCOrb.dat: &apos;%1&apos; is a pipe (FIFO), not a file</translation>
    </message>
    <message>
        <source>MPCOrb.dat: &apos;%1&apos; es un socket, no un archivo</source>
        <translation>MPCOrb.dat: &apos;%1&apos; is a socket, not a file</translation>
    </message>
    <message>
        <source>MPCOrb.dat: &apos;%1&apos; es un dispositivo, no un archivo</source>
        <translation>MPCOrb.dat: &apos;%1&apos; is a device, not a file</translation>
    </message>
    <message>
        <source>Asteroide %1 no encontrado</source>
        <translation>Minor planet %1 not found</translation>
    </message>
    <message>
        <source>No se pudo escribir &apos;%1&apos;: %2</source>
        <translation>Could not write &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>disco lleno</source>
        <translation>disk full</translation>
    </message>
    <message>
        <source>cuota de disco agotada</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>sin permiso de escritura</source>
        <translation>no write permission</translation>
    </message>
    <message>
        <source>la carpeta es de solo lectura</source>
        <translation>the folder is read-only</translation>
    </message>
    <message>
        <source>es una carpeta</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>la carpeta no existe</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>una parte de la ruta no es una carpeta</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>nombre demasiado largo</source>
        <translation>name too long</translation>
    </message>
    <message>
        <source>demasiados enlaces simbólicos</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>archivo demasiado grande</source>
        <translation>file too large</translation>
    </message>
    <message>
        <source>error de entrada/salida del disco</source>
        <translation>disk input/output error</translation>
    </message>
    <message>
        <source>el archivo está en uso</source>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>demasiados archivos abiertos</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>error del sistema (código %1)</source>
        <translation>system error (code %1)</translation>
    </message>
    <message>
        <source>no es un archivo normal</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>enlace simbólico de otro usuario en una carpeta compartida</source>
        <translation>another user&apos;s symbolic link in a shared folder</translation>
    </message>
    <message>
        <source>No se pudo escribir &quot;%1&quot;: %2</source>
        <translation>Could not write &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>no se pudo codificar la imagen</source>
        <translation>the picture could not be encoded</translation>
    </message>
    <message>
        <source>No se pudo leer %1</source>
        <translation>Could not read %1</translation>
    </message>
    <message>
        <source>No se pudo fechar %1: %2</source>
        <translation>Could not set the date of %1: %2</translation>
    </message>
    <message>
        <source>No se pudo crear la carpeta &apos;%1&apos;</source>
        <translation>Could not create the folder &apos;%1&apos;</translation>
    </message>
    <message>
        <source>error de escritura</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>Fijar Fecha: %1</source>
        <translation>Set date: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is not a valid floating point value</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>&apos;%1&apos; is not a valid date</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>&apos;%1&apos; is not a valid time</translation>
    </message>
</context>
<context>
    <name>DescargasPage</name>
    <message>
        <source>Descarga de archivos</source>
        <translation>File downloads</translation>
    </message>
</context>
<context>
    <name>EfePage</name>
    <message>
        <source>Archivos de texto (*.txt)|*.txt</source>
        <translation>Text files (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Ahora</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>Días</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Horas</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>Minutos</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Selección</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>Velocidad aparente</source>
        <translation>Apparent motion</translation>
    </message>
    <message>
        <source>Altura Máxima</source>
        <translation>Max. altitude</translation>
    </message>
    <message>
        <source>Distancia a la Tierra</source>
        <translation>Earth distance</translation>
    </message>
    <message>
        <source>Distancia al Sol</source>
        <translation>Sun distance</translation>
    </message>
    <message>
        <source>Elongación</source>
        <translation>Elongation</translation>
    </message>
    <message>
        <source>Angulo de fase</source>
        <translation>Phase angle</translation>
    </message>
    <message>
        <source>Cola/anticola</source>
        <translation>Tail/anti-tail</translation>
    </message>
    <message>
        <source>Calcular</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Objeto</source>
        <translation>Object</translation>
    </message>
    <message>
        <source>Intervalo</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Cantidad de líneas de datos</source>
        <translation>Number of data lines</translation>
    </message>
    <message>
        <source>T.U:</source>
        <translation>UT:</translation>
    </message>
</context>
<context>
    <name>FirstRunDialog</name>
    <message>
        <source>¿Dónde observa?</source>
        <translation>Where do you observe from?</translation>
    </message>
    <message>
        <source>Escriba o elija una ciudad</source>
        <translation>Type or choose a city</translation>
    </message>
    <message>
        <source>Ciudad:</source>
        <translation>City:</translation>
    </message>
    <message>
        <source>Latitud (+N)</source>
        <translation>Latitude (+N)</translation>
    </message>
    <message>
        <source>Longitud (+E)</source>
        <translation>Longitude (+E)</translation>
    </message>
    <message>
        <source>Altura (m)</source>
        <translation>Altitude (m)</translation>
    </message>
    <message>
        <source>El lugar se puede cambiar después en la página Configuración.</source>
        <translation>The site can be changed later on the Settings page.</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>Español</source>
        <extracomment>The name of this file&apos;s language written in that language, as the language choice of the Settings page lists it: &quot;English&quot;, &quot;Français&quot;, &quot;Português (Brasil)&quot;...</extracomment>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>OrbitaPage</name>
    <message>
        <source>Disminuye Dec</source>
        <translation>Decrease Dec</translation>
    </message>
    <message>
        <source>Aumenta Dec</source>
        <translation>Increase Dec</translation>
    </message>
    <message>
        <source>Plano de la eclíptica</source>
        <translation>Ecliptic plane</translation>
    </message>
    <message>
        <source>Para web</source>
        <translation>For web</translation>
    </message>
    <message>
        <source>Años</source>
        <translation>Years</translation>
    </message>
    <message>
        <source>Meses</source>
        <translation>Months</translation>
    </message>
    <message>
        <source>Sem.</source>
        <translation>Wks.</translation>
    </message>
    <message>
        <source>Días</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Horas</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>Minutos</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Anima -</source>
        <translation>Animate -</translation>
    </message>
    <message>
        <source>Anima +</source>
        <translation>Animate +</translation>
    </message>
    <message>
        <source>Guarda carta como...</source>
        <translation>Save chart as...</translation>
    </message>
    <message>
        <source>Graba secuencia como...</source>
        <translation>Save sequence as...</translation>
    </message>
    <message>
        <source>Mercurio</source>
        <translation>Mercury</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Marte</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Júpiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Saturno</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Urano</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptuno</source>
        <translation>Neptune</translation>
    </message>
    <message>
        <source>Objeto anterior del catálogo</source>
        <translation>Previous object of the catalog</translation>
    </message>
    <message>
        <source>Objeto siguiente del catálogo</source>
        <translation>Next object of the catalog</translation>
    </message>
    <message>
        <source>Muestra u oculta la órbita de %1</source>
        <translation>Shows or hides the orbit of %1</translation>
    </message>
    <message>
        <source>Muestra u oculta el plano de la eclíptica</source>
        <translation>Shows or hides the plane of the ecliptic</translation>
    </message>
    <message>
        <source>Un paso atrás en el tiempo</source>
        <translation>One step back in time</translation>
    </message>
    <message>
        <source>Un paso adelante en el tiempo</source>
        <translation>One step forward in time</translation>
    </message>
    <message>
        <source>Guardar la vista como imagen (GIF o BMP)</source>
        <translation>Save the view as a picture (GIF or BMP)</translation>
    </message>
    <message>
        <source>Guardar secuencia: tantas imágenes numeradas como indica la casilla, un paso entre cada una</source>
        <translation>Save sequence: as many numbered pictures as the box says, one step apart</translation>
    </message>
    <message>
        <source>Guardar animación</source>
        <translation>Save animation</translation>
    </message>
</context>
<context>
    <name>SueloPage</name>
    <message>
        <source>Catálogo</source>
        <translation>Catalog</translation>
    </message>
    <message>
        <source>Buscar</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Epoca</source>
        <translation>Epoch</translation>
    </message>
    <message>
        <source>T.U:</source>
        <translation>UT:</translation>
    </message>
    <message>
        <source>Calcular</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Ahora</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>Años</source>
        <translation>Years</translation>
    </message>
    <message>
        <source>Meses</source>
        <translation>Months</translation>
    </message>
    <message>
        <source>Semanas</source>
        <translation>Weeks</translation>
    </message>
    <message>
        <source>Días</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Horas</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>Minutos</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>¿Qué observar?</source>
        <translation>What to observe?</translation>
    </message>
</context>
<context>
    <name>TFAtmo</name>
    <message>
        <source>Selección</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>Orbita</source>
        <translation>Orbit</translation>
    </message>
    <message>
        <source>e/a</source>
        <translation>e/a</translation>
    </message>
    <message>
        <source>Tablas</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>Efemérides</source>
        <translation>Ephemeris</translation>
    </message>
    <message>
        <source>Anticola?</source>
        <translation>Anti-tail?</translation>
    </message>
    <message>
        <source>Descarga de archivos</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Configuración</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>No hay catálogos en %1.</source>
        <translation>There are no catalogs in %1.</translation>
    </message>
    <message>
        <source>Descargar catálogos</source>
        <translation>Download catalogs</translation>
    </message>
    <message>
        <source>Usar catálogos de ejemplo</source>
        <translation>Use the sample catalogs</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>No se encuentran los catálogos de ejemplo</source>
        <translation>The sample catalogs cannot be found</translation>
    </message>
    <message>
        <source>No se pudo guardar la configuración: %1</source>
        <translation>Could not save the settings: %1</translation>
    </message>
</context>
<context>
    <name>TFCalen</name>
    <message>
        <source>Vagaris - Selección de fecha</source>
        <translation>Vagaris - Choose a date</translation>
    </message>
    <message>
        <source>Hoy</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TFTj</name>
    <message>
        <source>Vagaris - Cálculo de Tj</source>
        <translation>Vagaris - Tj calculation</translation>
    </message>
    <message>
        <source>Calculado</source>
        <translation>Computed</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>TProgressForm</name>
    <message>
        <source>Un momento...</source>
        <translation>One moment...</translation>
    </message>
</context>
<context>
    <name>TablasPage</name>
    <message>
        <source>Fijar fecha</source>
        <translation>Set date</translation>
    </message>
    <message>
        <source>Crepúsculo para Altura máxima</source>
        <translation>Twilight for Max. altitude</translation>
    </message>
    <message>
        <source>Astronómico</source>
        <translation>Astronomical</translation>
    </message>
    <message>
        <source>Náutico</source>
        <translation>Nautical</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Civil</translation>
    </message>
    <message>
        <source>Objeto</source>
        <translation>Object</translation>
    </message>
    <message>
        <source>Clase I</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Clase D</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Días</source>
        <translation>Days</translation>
    </message>
</context>
<context>
    <name>TonightModel</name>
    <message>
        <source>En ámbar, más de %1 días; en rojo, más de %2: la posición calculada puede estar lejos de la real.</source>
        <translation>Amber, more than %1 days; red, more than %2: the computed position may be far from the real one.</translation>
    </message>
    <message>
        <source>El número del objeto en su catálogo, desde 0: su lugar en las listas de objetos de la ventana (vacío para MPCOrb.dat).</source>
        <translation>The object&apos;s number in its catalog, from 0: its place in the window&apos;s object lists (empty for MPCOrb.dat).</translation>
    </message>
    <message>
        <source>El nombre del objeto en su catálogo.</source>
        <translation>The object&apos;s name in its catalog.</translation>
    </message>
    <message>
        <source>El catálogo del que viene el objeto.</source>
        <translation>The catalog the object comes from.</translation>
    </message>
    <message>
        <source>Magnitud en el mejor momento.</source>
        <translation>Magnitude at the best time.</translation>
    </message>
    <message>
        <source>Primer minuto observable de la noche (T.U.).</source>
        <translation>First observable minute of the night (UT).</translation>
    </message>
    <message>
        <source>Último minuto observable de la noche (T.U.).</source>
        <translation>Last observable minute of the night (UT).</translation>
    </message>
    <message>
        <source>Tiempo observable en la noche (horas:minutos).</source>
        <translation>Observable time in the night (hours:minutes).</translation>
    </message>
    <message>
        <source>El mejor momento (T.U.): el de mayor altura mientras es observable.</source>
        <translation>The best time (UT): the highest altitude while observable.</translation>
    </message>
    <message>
        <source>Altura en el mejor momento [°].</source>
        <translation>Altitude at the best time [°].</translation>
    </message>
    <message>
        <source>Acimut en el mejor momento, desde el norte hacia el este [°].</source>
        <translation>Azimuth at the best time, from the north through the east [°].</translation>
    </message>
    <message>
        <source>Elongación: la distancia angular al Sol [°].</source>
        <translation>Elongation: the angular distance from the Sun [°].</translation>
    </message>
    <message>
        <source>Distancia a la Tierra [UA].</source>
        <translation>Distance from the Earth [AU].</translation>
    </message>
    <message>
        <source>Distancia al Sol [UA].</source>
        <translation>Distance from the Sun [AU].</translation>
    </message>
    <message>
        <source>Movimiento aparente en el cielo [&quot;/min].</source>
        <translation>Apparent motion in the sky [&quot;/min].</translation>
    </message>
    <message>
        <source>Ángulo de posición del movimiento aparente, desde el norte hacia el este [°].</source>
        <translation>Position angle of the apparent motion, from the north through the east [°].</translation>
    </message>
    <message>
        <source>Separación de la Luna en el mejor momento [°].</source>
        <translation>Separation from the Moon at the best time [°].</translation>
    </message>
    <message>
        <source>Asteroides: días desde la época de los elementos hasta el mejor momento.</source>
        <translation>Minor planets: days from the elements&apos; epoch to the best time.</translation>
    </message>
    <message>
        <source>Cometas: días desde el perihelio hasta el mejor momento (negativos antes del perihelio).</source>
        <translation>Comets: days from the perihelion to the best time (negative before the perihelion).</translation>
    </message>
</context>
<context>
    <name>TonightWindow</name>
    <message>
        <source>¿Qué observar?</source>
        <translation>What to observe?</translation>
    </message>
    <message>
        <source>Luna bajo el horizonte</source>
        <translation>Moon below the horizon</translation>
    </message>
    <message>
        <source>Astronómico (Sol a -18°)</source>
        <translation>Astronomical (Sun at -18°)</translation>
    </message>
    <message>
        <source>Náutico (Sol a -12°)</source>
        <translation>Nautical (Sun at -12°)</translation>
    </message>
    <message>
        <source>Civil (Sol a -6°)</source>
        <translation>Civil (Sun at -6°)</translation>
    </message>
    <message>
        <source>Catálogo cargado</source>
        <translation>Loaded catalog</translation>
    </message>
    <message>
        <source>Los cinco catálogos</source>
        <translation>The five catalogs</translation>
    </message>
    <message>
        <source>Magnitud límite</source>
        <translation>Limiting magnitude</translation>
    </message>
    <message>
        <source>Altura mínima</source>
        <translation>Minimum altitude</translation>
    </message>
    <message>
        <source>Tiempo mínimo</source>
        <translation>Minimum time</translation>
    </message>
    <message>
        <source>Separación de la Luna</source>
        <translation>Moon separation</translation>
    </message>
    <message>
        <source>Crepúsculo</source>
        <translation>Twilight</translation>
    </message>
    <message>
        <source>Catálogo</source>
        <translation>Catalog</translation>
    </message>
    <message>
        <source>Calcular</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>No hay ningún catálogo cargado</source>
        <translation>No catalog is loaded</translation>
    </message>
    <message>
        <source>Texto (*.txt)|*.txt|CSV (*.csv)|*.csv</source>
        <translation>Text (*.txt)|*.txt|CSV (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>El catálogo ha cambiado: vuelva a calcular</source>
        <translation>The catalog has changed: compute again</translation>
    </message>
    <message>
        <source>Noche del</source>
        <translation>Night of</translation>
    </message>
</context>
</TS>
