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
        <source>No se pudo guardar la configuración: </source>
        <translation>Could not save the settings: </translation>
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
</TS>
