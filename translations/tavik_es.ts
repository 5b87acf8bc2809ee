<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="it_IT">
<context>
    <name>ConfigBackup</name>
    <message>
        <location filename="../export/backup.cpp" line="82"/>
        <source>Selezionare un file nella Directory dove salvare i dati</source>
        <translation>Seleccione un archivo en la carpeta donde guardar los datos</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="104"/>
        <source>Impossibile scrivere il file %1: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="108"/>
        <source>Salvataggio effettuato!</source>
        <translation>¡Guardado realizado!</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="115"/>
        <source>apriil file di configurazione</source>
        <translation>abrir el archivo de configuración</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="117"/>
        <source>Configurazione (%1);;Tutti i file (*)</source>
        <translation>Configuración (%1);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="128"/>
        <source>Impossibile leggere il file %1: %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="138"/>
        <source>Ripristino effettuato!</source>
        <translation>¡Restauración realizada!</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <location filename="../config/configuration.cpp" line="38"/>
        <source>&apos;%1&apos; non è un valore valido (%2): ci vuole un testo o un numero intero</source>
        <translation>&apos;%1&apos; no es un valor válido (%2): se necesita un texto o un número entero</translation>
    </message>
    <message>
        <location filename="../config/configuration.cpp" line="45"/>
        <source>&apos;%1&apos; è troppo grande (%2): al massimo %3</source>
        <translation>&apos;%1&apos; es demasiado grande (%2): como máximo %3</translation>
    </message>
    <message>
        <location filename="../config/configuration.cpp" line="60"/>
        <location filename="../config/configuration.cpp" line="77"/>
        <source>&apos;%1&apos; non è un valore intero valido (%2)</source>
        <translation>&apos;%1&apos; no es un valor entero válido (%2)</translation>
    </message>
</context>
<context>
    <name>EndOfLot</name>
    <message>
        <location filename="../export/endoflot.cpp" line="82"/>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>¡La centralita está apagada, enciéndala por favor!</translation>
    </message>
    <message>
        <location filename="../export/endoflot.cpp" line="133"/>
        <source>Stampa non inviata</source>
        <translation>Impresión no enviada</translation>
    </message>
    <message>
        <location filename="../export/endoflot.cpp" line="173"/>
        <source>Il file %1 esiste già: la bolla %2 è esportata in %3</source>
        <translation>El archivo %1 ya existe: el albarán %2 se ha exportado en %3</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <location filename="../base/fields.cpp" line="21"/>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>LotArchive</name>
    <message>
        <location filename="../lots/lotarchive.cpp" line="85"/>
        <source> &lt;nuovo produttore&gt;</source>
        <translation> &lt;nuevo productor&gt;</translation>
    </message>
    <message>
        <location filename="../lots/lotarchive.cpp" line="185"/>
        <source>&apos;%1&apos; non è un valore intero valido per il campo %2</source>
        <translation>&apos;%1&apos; no es un valor entero válido para el campo %2</translation>
    </message>
    <message>
        <location filename="../lots/lotarchive.cpp" line="192"/>
        <source>La bolla non ha una data valida</source>
        <translation>El albarán no tiene una fecha válida</translation>
    </message>
</context>
<context>
    <name>LotEditor</name>
    <message>
        <location filename="../lots/loteditor.cpp" line="95"/>
        <source>Archivio Programmi Vuoto, Rilavorazione impossibile.</source>
        <translation>Archivo de programas vacío, no es posible reprocesar.</translation>
    </message>
    <message>
        <location filename="../lots/loteditor.cpp" line="97"/>
        <source>Caricamento Programma </source>
        <translation>Carga de programa </translation>
    </message>
    <message>
        <location filename="../lots/loteditor.cpp" line="97"/>
        <source>Numero Programmi</source>
        <translation>Número de programas</translation>
    </message>
    <message>
        <location filename="../lots/loteditor.cpp" line="98"/>
        <source>Programma dell archivio INESISTENTE, selezionarne uno dalla lista.</source>
        <translation>Programa del archivo INEXISTENTE, seleccione uno de la lista.</translation>
    </message>
</context>
<context>
    <name>LotExport</name>
    <message>
        <location filename="../export/expfildata.cpp" line="65"/>
        <source>La bolla %1 contiene il carattere &apos;%2&apos;, che il file per l&apos;AS400 non può contenere</source>
        <translation>El albarán %1 contiene el carácter &apos;%2&apos;, que el archivo para el AS400 no puede contener</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="105"/>
        <source>La cartella di esportazione %1 (%2) non esiste: i dati per l&apos;AS400 non sono stati esportati</source>
        <translation>La carpeta de exportación %1 (%2) no existe: los datos para el AS400 no se han exportado</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="115"/>
        <source>Il file %1 non è stato scritto: %2</source>
        <translation>El archivo %1 no se ha escrito: %2</translation>
    </message>
</context>
<context>
    <name>Lots</name>
    <message>
        <location filename="../lots/lots.cpp" line="21"/>
        <source>&apos;%1&apos; non è un valore intero valido</source>
        <translation>&apos;%1&apos; no es un valor entero válido</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="82"/>
        <source>Nuova Bolla N:</source>
        <translation>Nuevo albarán n.º:</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="86"/>
        <source>La bolla è stata registrata con il numero %1: il numero %2 è stato preso nel frattempo</source>
        <translation>El albarán se ha registrado con el número %1: el número %2 se ha ocupado mientras tanto</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="129"/>
        <source>La bolla %1 non è più in archivio</source>
        <translation>El albarán %1 ya no está en el archivo</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="133"/>
        <source>Modifica Bolla N:</source>
        <translation>Modificar albarán n.º:</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="150"/>
        <source>Cancellazione non possibile, Bolla precedente in corso.</source>
        <translation>No es posible borrar, hay un albarán anterior en curso.</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="153"/>
        <source>Cancellare archivio Bolle? non sarà possibile recuperarlo.</source>
        <translation>¿Borrar el archivo de albaranes? No será posible recuperarlo.</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="156"/>
        <source>Archivio Bolle cancellato!</source>
        <translation>¡Archivo de albaranes borrado!</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="176"/>
        <source>La data iniziale viene dopo quella finale</source>
        <translation>La fecha inicial es posterior a la final</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="180"/>
        <source>&lt;nuovo produttore&gt;</source>
        <translation>&lt;nuevo productor&gt;</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="231"/>
        <source>Il produttore è stato registrato con il numero %1: il numero %2 è stato preso nel frattempo</source>
        <translation>El productor se ha registrado con el número %1: el número %2 se ha ocupado mientras tanto</translation>
    </message>
</context>
<context>
    <name>MainCycle</name>
    <message>
        <location filename="../sampling/maincycle.cpp" line="59"/>
        <source>Trasf. interrotto (%1 %)</source>
        <translation>Transf. interrumpida (%1 %)</translation>
    </message>
    <message>
        <location filename="../sampling/maincycle.cpp" line="76"/>
        <source>0 - Centralina off </source>
        <translation>0 - Centralita off </translation>
    </message>
</context>
<context>
    <name>PrintServerClient</name>
    <message>
        <location filename="../export/printserver.cpp" line="42"/>
        <source>server di stampa 127.0.0.1:%1 non raggiungibile: %2</source>
        <translation>servidor de impresión 127.0.0.1:%1 no accesible: %2</translation>
    </message>
</context>
<context>
    <name>Producers</name>
    <message>
        <location filename="../lots/producers.cpp" line="74"/>
        <source>Il produttore %1 non è più in archivio</source>
        <translation>El productor %1 ya no está en el archivo</translation>
    </message>
</context>
<context>
    <name>ProgramCommands</name>
    <message>
        <location filename="../programs/programcommands.cpp" line="13"/>
        <source>Modifica programma N. </source>
        <translation>Modificar programa n.º </translation>
    </message>
    <message>
        <location filename="../programs/programcommands.cpp" line="67"/>
        <source> Cancella Programma </source>
        <translation> Borrar programa </translation>
    </message>
    <message>
        <location filename="../programs/programcommands.cpp" line="73"/>
        <source>&apos;%1&apos; non è un valore intero valido</source>
        <translation>&apos;%1&apos; no es un valor entero válido</translation>
    </message>
    <message>
        <location filename="../programs/programcommands.cpp" line="75"/>
        <source>Il programma è quello corrente; non è possibile cancellarlo!</source>
        <translation>El programa es el actual; ¡no se puede borrar!</translation>
    </message>
</context>
<context>
    <name>Programs</name>
    <message>
        <location filename="../programs/programs.cpp" line="99"/>
        <source>&apos;%1&apos; non è un valore intero valido (peso %2 della qualità %3)</source>
        <translation>&apos;%1&apos; no es un valor entero válido (peso %2 de la calidad %3)</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="121"/>
        <source>Il codice %1 è stato usato nel frattempo da un&apos;altra stazione: il programma è salvato con il codice %2.</source>
        <translation>Otra estación ha usado mientras tanto el código %1: el programa se ha guardado con el código %2.</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="169"/>
        <source>Il programma %1 non è presente nell&apos;archivio.</source>
        <translation>El programa %1 no está en el archivo.</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="173"/>
        <source>Sono già memorizzati 99 programmi: cancellarne uno prima di crearne un altro.</source>
        <translation>Ya hay 99 programas guardados: borre uno antes de crear otro.</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="176"/>
        <source>Programma %1 non presente in archivio</source>
        <translation>Programa %1 no presente en el archivo</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="249"/>
        <source>Il numero di programma %1 non può essere inviato alla centralina</source>
        <translation>El número de programa %1 no se puede enviar a la centralita</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="251"/>
        <source>Il programma %1 non può essere inviato alla centralina: qualità %2, classe %3, %4 &apos;%5&apos; non valido (%6)</source>
        <translation>El programa %1 no se puede enviar a la centralita: calidad %2, clase %3, %4 &apos;%5&apos; no válido (%6)</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="270"/>
        <source>peso minimo</source>
        <translation>peso mínimo</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="270"/>
        <source>peso massimo</source>
        <translation>peso máximo</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="271"/>
        <source>ci vuole un numero intero da 0 a %1</source>
        <translation>se necesita un número entero de 0 a %1</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="284"/>
        <source>uscita %1</source>
        <translation>salida %1</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="284"/>
        <source>ci vogliono due cifre</source>
        <translation>se necesitan dos cifras</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="303"/>
        <source>Il programma %1 non è presente nell&apos;archivio: non è stato inviato alla centralina.</source>
        <translation>El programa %1 no está en el archivo: no se ha enviado a la centralita.</translation>
    </message>
</context>
<context>
    <name>RejectUnit</name>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="7"/>
        <source>0-SCARTI off </source>
        <translation>0-DESCARTES off </translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="8"/>
        <source>? - errore scarti </source>
        <translation>? - error descartes </translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="12"/>
        <source>0 - SCARTI ON </source>
        <translation>0 - DESCARTES ON </translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="12"/>
        <source>1 - attesa scar.</source>
        <translation>1 - espera descarga</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="13"/>
        <source>2 - SCARICO</source>
        <translation>2 - DESCARGA</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="13"/>
        <source>3 - ass. tara</source>
        <translation>3 - adq. tara</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="14"/>
        <source>4 - tara in corso</source>
        <translation>4 - tara en curso</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="14"/>
        <source>5 - att. carico</source>
        <translation>5 - espera carga</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="15"/>
        <source>6 - Carico Sing.</source>
        <translation>6 - Carga simple</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="15"/>
        <source>7 - Ass. e Accum.</source>
        <translation>7 - Adq. y acum.</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="16"/>
        <source>8 - Doppia Carico</source>
        <translation>8 - Carga doble</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="16"/>
        <source>9 - Ass. Accum. Pos.</source>
        <translation>9 - Adq. acum. pos.</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <location filename="../reports/reportoutput.cpp" line="25"/>
        <source>la coda non accetta lavori</source>
        <translation>la cola no acepta trabajos</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="26"/>
        <source>la stampante è ferma</source>
        <translation>la impresora está parada</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="49"/>
        <source>Impossibile scrivere il file %1</source>
        <translation>No se puede escribir el archivo %1</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="59"/>
        <source>Nessuna stampante installata: la stampa è nel file %1</source>
        <translation>No hay ninguna impresora instalada: la impresión está en el archivo %1</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="102"/>
        <source>La stampa su %1 non è riuscita: %2</source>
        <translation>La impresión en %1 no ha salido bien: %2</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="111"/>
        <source>la stampante non ha accettato il lavoro</source>
        <translation>la impresora no ha aceptado el trabajo</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <location filename="../reports/reports.cpp" line="83"/>
        <source>La bolla %1 non è più in archivio</source>
        <translation>El albarán %1 ya no está en el archivo</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="110"/>
        <source>Il programma %1 della bolla %2 non è in archivio: la bolla non può essere stampata</source>
        <translation>El programa %1 del albarán %2 no está en el archivo: el albarán no se puede imprimir</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="126"/>
        <source>errore programma in stampa</source>
        <translation>error del programa en la impresión</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="133"/>
        <source>Non ci sono totali della bolla in corso da stampare</source>
        <translation>No hay totales del albarán en curso que imprimir</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="213"/>
        <source>non abilitata</source>
        <translation>no habilitada</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="221"/>
        <source>destra</source>
        <translation>derecha</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="221"/>
        <source>sinistra</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="274"/>
        <location filename="../reports/reports.cpp" line="282"/>
        <source> Stampa Programma </source>
        <translation> Imprimir programa </translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="274"/>
        <source>Numero  Programmi</source>
        <translation>Número de programas</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="304"/>
        <source>Il produttore %1 non ha bolle dal %2 al %3</source>
        <translation>El productor %1 no tiene albaranes del %2 al %3</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="312"/>
        <source>Stampa Installazione</source>
        <translation>Imprimir instalación</translation>
    </message>
</context>
<context>
    <name>RunCommands</name>
    <message>
        <location filename="../sampling/runcommands.cpp" line="26"/>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>¡La centralita está apagada, enciéndala por favor!</translation>
    </message>
    <message>
        <location filename="../sampling/runcommands.cpp" line="30"/>
        <source>I totali verranno azzerati, vuoi continuare ?</source>
        <translation>Los totales se pondrán a cero, ¿desea continuar?</translation>
    </message>
    <message>
        <location filename="../sampling/runcommands.cpp" line="135"/>
        <source>Produzione oraria = </source>
        <translation>Producción por hora = </translation>
    </message>
    <message>
        <location filename="../sampling/runcommands.cpp" line="158"/>
        <source>Costo: %1 EUR</source>
        <translation>Coste: %1 EUR</translation>
    </message>
    <message>
        <location filename="../sampling/runcommands.cpp" line="159"/>
        <source>  -  %1 EUR/Kg</source>
        <translation>  -  %1 EUR/Kg</translation>
    </message>
</context>
<context>
    <name>RunningTotals</name>
    <message>
        <location filename="../sampling/runningtotals.cpp" line="107"/>
        <source>I totali della bolla in corso non sono stati salvati</source>
        <translation>Los totales del albarán en curso no se han guardado</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../config/settingsstore.cpp" line="49"/>
        <source>Impossibile leggere il file delle impostazioni %1: %2</source>
        <translation>No se puede leer el archivo de ajustes %1: %2</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="56"/>
        <source>Il file delle impostazioni %1 non è valido: %2</source>
        <translation>El archivo de ajustes %1 no es válido: %2</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="59"/>
        <source>non contiene un oggetto</source>
        <translation>no contiene un objeto</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="149"/>
        <source>Il file delle impostazioni %1 non è leggibile: nessun valore è stato scritto</source>
        <translation>El archivo de ajustes %1 no se puede leer: no se ha escrito ningún valor</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="156"/>
        <source>Il file delle impostazioni %1 non è valido e non può essere messo da parte; nessun valore è stato scritto</source>
        <translation>El archivo de ajustes %1 no es válido y no se puede apartar; no se ha escrito ningún valor</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="162"/>
        <source>Il file delle impostazioni non era valido ed è stato conservato come %1</source>
        <translation>El archivo de ajustes no era válido y se ha conservado como %1</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="181"/>
        <source>Impossibile scrivere %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <location filename="../app/station.cpp" line="240"/>
        <source>Costi del personale</source>
        <translation>Costes de personal</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="371"/>
        <source>Il registro eventi %1 non può essere scritto (%2): la stazione lavora senza registro</source>
        <translation>El registro de eventos %1 no se puede escribir (%2): la estación trabaja sin registro</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="468"/>
        <source>Bolla temporanea non presente!</source>
        <translation>¡No hay albarán temporal!</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="549"/>
        <source>Configurazione</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="577"/>
        <location filename="../app/station.cpp" line="696"/>
        <location filename="../app/station.cpp" line="811"/>
        <location filename="../app/station.cpp" line="843"/>
        <location filename="../app/station.cpp" line="927"/>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>¡La centralita está apagada, enciéndala por favor!</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="582"/>
        <source> Caricamento Programma </source>
        <translation> Carga de programa </translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="590"/>
        <source>&apos;%1&apos; non è un codice di programma valido</source>
        <translation>&apos;%1&apos; no es un código de programa válido</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="593"/>
        <source>Caricamento del programma %1</source>
        <translation>Carga del programa %1</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="605"/>
        <source>Non c&apos;è un programma corrente da modificare.</source>
        <translation>No hay ningún programa actual que modificar.</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="614"/>
        <source>Modifica programma N. </source>
        <translation>Modificar programa n.º </translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="624"/>
        <source>Invio del programma alla centralina</source>
        <translation>Envío del programa a la centralita</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="639"/>
        <source>Azzeramento dei totali</source>
        <translation>Puesta a cero de los totales</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="644"/>
        <location filename="../app/station.cpp" line="786"/>
        <source>Lettura dei totali</source>
        <translation>Lectura de los totales</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="700"/>
        <source>Lettura dei totali per la stampa</source>
        <translation>Lectura de los totales para imprimir</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="732"/>
        <source>Esporta le bolle trovate</source>
        <translation>Exportar los albaranes encontrados</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="735"/>
        <source>Testo per AS400 (*.txt)</source>
        <translation>Texto para AS400 (*.txt)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="755"/>
        <source>Il programma di aggiornamento %1 non si avvia: la stazione resta aperta</source>
        <translation>El programa de actualización %1 no se inicia: la estación sigue abierta</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="762"/>
        <source>Vuoi esportare i dati verso AS400 ?</source>
        <translation>¿Desea exportar los datos al AS400?</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="814"/>
        <source>Fine lavorazione</source>
        <translation>Fin de trabajo</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="822"/>
        <source>Allarme qualità</source>
        <translation>Alarma de calidad</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="839"/>
        <location filename="../app/station.cpp" line="1071"/>
        <location filename="../app/station.cpp" line="1102"/>
        <location filename="../app/station.cpp" line="1486"/>
        <source>Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione.</source>
        <translation>Compruebe que la máquina esté vacía y pulse Sí para realizar la calibración.</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="856"/>
        <source>Il coefficiente della linea %1 deve essere un numero intero da 1 a 9999</source>
        <translation>El coeficiente de la línea %1 debe ser un número entero de 1 a 9999</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="872"/>
        <source>Coefficienti di calibrazione</source>
        <translation>Coeficientes de calibración</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="895"/>
        <source>Il peso campione per linea deve essere da %1 a %2 grammi</source>
        <translation>El peso de muestra por línea debe ser de %1 a %2 gramos</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="903"/>
        <source>Calibrazione</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="915"/>
        <source>Fine calibrazione</source>
        <translation>Fin de la calibración</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="922"/>
        <source>Servizio</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1021"/>
        <source>Test netto memorizzato</source>
        <translation>Prueba de neto memorizado</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1032"/>
        <location filename="../app/station.cpp" line="1059"/>
        <source>Fine test</source>
        <translation>Fin de la prueba</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1038"/>
        <source>Termine Memorizzato non accettato!</source>
        <translation>¡Fin de memorizado no aceptado!</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1049"/>
        <source>Test encoder</source>
        <translation>Prueba del encoder</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1078"/>
        <source>Test magneti</source>
        <translation>Prueba de imanes</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1086"/>
        <source>Fine test magneti</source>
        <translation>Fin de la prueba de imanes</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1091"/>
        <source>La centralina non ha spento i magneti (U000): spegnere la macchina</source>
        <translation>La centralita no ha apagado los imanes (U000): apague la máquina</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1118"/>
        <source>Controllo tazze</source>
        <translation>Control de cazoletas</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1127"/>
        <source>Fine controllo tazze</source>
        <translation>Fin del control de cazoletas</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1139"/>
        <source>Attenzione! nel quadro che segue è possibile alterare il funzionamento della macchina, si vuole proseguire?</source>
        <translation>¡Atención! En la ventana siguiente es posible alterar el funcionamiento de la máquina, ¿desea continuar?</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1156"/>
        <source>Linea %1: inizio e fine della finestra di lettura devono essere numeri da 1 a %2, l&apos;inizio minore della fine</source>
        <translation>Línea %1: el inicio y el final de la ventana de lectura deben ser números de 1 a %2, el inicio menor que el final</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1199"/>
        <location filename="../app/station.cpp" line="1248"/>
        <source>Fine oscilloscopio</source>
        <translation>Fin del osciloscopio</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1224"/>
        <source>La linea va da 1 a 4 e la soglia da %1 a %2</source>
        <translation>La línea va de 1 a 4 y el umbral de %1 a %2</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1236"/>
        <source>Oscilloscopio</source>
        <translation>Osciloscopio</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1250"/>
        <source>Fine funzione oscilloscopio... non eseguita!</source>
        <translation>Fin de la función osciloscopio... ¡no ejecutado!</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1265"/>
        <source>Impossibile scrivere le tracce su %1: %2. Il salvataggio su file è stato tolto.</source>
        <translation>No se pueden escribir las trazas en %1: %2. Se ha desactivado el guardado en archivo.</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1305"/>
        <source>Lingua</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1333"/>
        <source>Attenzione! le modifiche apportate nel quadro che segue possono alterare il funzionamento della macchina. Si vuole proseguire?</source>
        <translation>¡Atención! Los cambios realizados en la ventana siguiente pueden alterar el funcionamiento de la máquina. ¿Desea continuar?</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1398"/>
        <source>Riavvio linee</source>
        <translation>Reinicio de las líneas</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1420"/>
        <source>COM%1 (unità scarti)</source>
        <translation>COM%1 (unidad de descartes)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1424"/>
        <source>COM%1 (lettore barcode)</source>
        <translation>COM%1 (lector de códigos de barras)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1428"/>
        <source>COM%1 (centralina)</source>
        <translation>COM%1 (centralita)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1439"/>
        <source>Com non disponibile nel computer: %1. La stazione continua senza questa linea e riprova ad aprirla.</source>
        <translation>COM no disponible en el ordenador: %1. La estación continúa sin esta línea e intenta abrirla de nuevo.</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1456"/>
        <source>Rinfresco totali</source>
        <translation>Actualización de totales</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1463"/>
        <source>Directory Esportazione AS400</source>
        <translation>Carpeta de exportación AS400</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1465"/>
        <source>text file (*.txt)</source>
        <translation>archivo de texto (*.txt)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1491"/>
        <source>Reset centralina</source>
        <translation>Reinicio de la centralita</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1505"/>
        <source>La tabella tara mostra al più %1 tazze: numtazze è %2</source>
        <translation>La tabla de taras muestra como máximo %1 cazoletas: numtazze es %2</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1515"/>
        <source>Lettura tabella tara</source>
        <translation>Lectura de la tabla de taras</translation>
    </message>
</context>
<context>
    <name>StationOptions</name>
    <message>
        <location filename="../app/station.cpp" line="77"/>
        <source>Uso: campionatrice [-o] [--unattended] | --create-database | --database-role
  -o             centralina vecchia: linea a 9600 baud, riga di configurazione corta
                 (solo come primo parametro)
  --unattended   risponde OK o Si a ogni messaggio e finestra modale e ne scrive il
                 testo nel registro eventi e sullo standard error
  --demo         stazione di prova: una bolla chiusa senza numero di bolla prende il numero
                 DEMO e un progressivo, cosi&apos; le bolle del campione simulato si archiviano
  --create-database  crea le tabelle mancanti nel database dell&apos;alias tavikdata
                 (sezione &quot;databases&quot; delle impostazioni; senza, il file SQLite
                 tavikdata.sqlite della cartella di lavoro) ed esce
  --database-role  scrive l&apos;istruzione SQL che crea su un server PostgreSQL l&apos;utente con
                 cui la stazione accede all&apos;archivio (da passare a psql) ed esce
La cartella di lavoro e&apos; la cartella corrente.
</source>
        <translation>Uso: campionatrice [-o] [--unattended] | --create-database | --database-role
  -o             centralita antigua: línea a 9600 baudios, línea de configuración corta
                 (solo como primer parámetro)
  --unattended   responde OK o Sí a cada mensaje y ventana modal y escribe su
                 texto en el registro de eventos y en la salida de error estándar
  --demo         estación de prueba: un albarán cerrado sin número de albarán toma el número
                 DEMO y un correlativo, así los albaranes de la muestra simulada se archivan
  --create-database  crea las tablas que faltan en la base de datos del alias tavikdata
                 (sección &quot;databases&quot; de los ajustes; sin ella, el archivo SQLite
                 tavikdata.sqlite de la carpeta de trabajo) y sale
  --database-role  escribe la instrucción SQL que crea en un servidor PostgreSQL el usuario con
                 el que la estación accede al archivo (para pasar a psql) y sale
La carpeta de trabajo es la carpeta actual.
</translation>
    </message>
</context>
<context>
    <name>TCalibrazione_Linee</name>
    <message>
        <location filename="../service/calibration.cpp" line="64"/>
        <source>Calibrazione Linee</source>
        <translation>Calibración de líneas</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="66"/>
        <source>Procedura Automatica</source>
        <translation>Procedimiento automático</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="68"/>
        <source>Peso Campione</source>
        <translation>Peso de muestra</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="79"/>
        <source>Inizia</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="81"/>
        <source>Fine</source>
        <extracomment>button: ends the calibration under way (a verb)</extracomment>
        <translation>Terminar</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="90"/>
        <source>Procedura Manuale</source>
        <translation>Procedimiento manual</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="92"/>
        <source>Linea</source>
        <translation>Línea</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="92"/>
        <source>- N° -</source>
        <translation>- N.º -</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="92"/>
        <source>- KAPPA -</source>
        <translation>- KAPPA -</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="92"/>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="110"/>
        <source>Correzione errori</source>
        <translation>Corrección de errores</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="113"/>
        <source>+5gr</source>
        <translation>+5g</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="113"/>
        <source>+1gr</source>
        <translation>+1g</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="113"/>
        <source>-1gr</source>
        <translation>-1g</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="113"/>
        <source>-5gr</source>
        <translation>-5g</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="114"/>
        <source>Sovrapeso</source>
        <translation>Sobrepeso</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="115"/>
        <source>Sottopeso</source>
        <translation>Peso insuficiente</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="125"/>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="151"/>
        <source>calibrazione in corso...</source>
        <translation>calibración en curso...</translation>
    </message>
</context>
<context>
    <name>TDataModule1</name>
    <message>
        <location filename="../db/databaseacc.cpp" line="93"/>
        <source>Alias %1: manca il file del database SQLite</source>
        <translation>Alias %1: falta el archivo de la base de datos SQLite</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="102"/>
        <source>Alias %1 non valido: %2</source>
        <translation>Alias %1 no válido: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="115"/>
        <source>Alias %1 non valido: %2 (atteso sqlite:FILE o postgresql://HOST:PORTA/DATABASE)</source>
        <translation>Alias %1 no válido: %2 (se espera sqlite:FILE o postgresql://HOST:PORTA/DATABASE)</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="126"/>
        <source>L&apos;alias %1 nelle impostazioni non è un testo: %2</source>
        <translation>El alias %1 de los ajustes no es un texto: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="183"/>
        <location filename="../db/databaseacc.cpp" line="297"/>
        <location filename="../db/databaseacc.cpp" line="708"/>
        <source>Errore del database sulla tabella %1: %2</source>
        <translation>Error de la base de datos en la tabla %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="328"/>
        <location filename="../db/databaseacc.cpp" line="677"/>
        <source>La connessione al database %1 si è interrotta; riprovare il comando</source>
        <translation>Se ha interrumpido la conexión con la base de datos %1; repita el comando</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="336"/>
        <source>Impossibile iniziare una transazione sul database %1: %2</source>
        <translation>No se puede iniciar una transacción en la base de datos %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="345"/>
        <source>Il database %1 non ha accettato le modifiche: %2</source>
        <translation>La base de datos %1 no ha aceptado los cambios: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="369"/>
        <source>Il database %1 non esiste: crearlo con &quot;campionatrice --create-database&quot;</source>
        <translation>La base de datos %1 no existe: créela con &quot;campionatrice --create-database&quot;</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="373"/>
        <source>Il driver di database %1 non è installato</source>
        <translation>El controlador de base de datos %1 no está instalado</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="403"/>
        <source>Impossibile aprire il database %1: %2</source>
        <translation>No se puede abrir la base de datos %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="419"/>
        <source>Impossibile usare il database %1: %2</source>
        <translation>No se puede usar la base de datos %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="473"/>
        <source>Impossibile leggere il database %1: %2</source>
        <translation>No se puede leer la base de datos %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="486"/>
        <source>Creazione della tabella %1 non riuscita: %2</source>
        <translation>No se pudo crear la tabla %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="598"/>
        <source>Il valore %1 non entra nel campo %2</source>
        <translation>El valor %1 no cabe en el campo %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="672"/>
        <source>La tabella %1 non è in modifica</source>
        <translation>La tabla %1 no está en edición</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="731"/>
        <source>La tabella %1 non esiste nel database</source>
        <translation>La tabla %1 no existe en la base de datos</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="941"/>
        <source>La tabella %1 non ha un record corrente da modificare</source>
        <translation>La tabla %1 no tiene un registro actual que modificar</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="987"/>
        <source>&apos;%1&apos; non è un valore intero valido per il campo %2</source>
        <translation>&apos;%1&apos; no es un valor entero válido para el campo %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="996"/>
        <source>&apos;%1&apos; non è un numero valido per il campo %2</source>
        <translation>&apos;%1&apos; no es un número válido para el campo %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1004"/>
        <source>&apos;%1&apos; non è una data valida per il campo %2</source>
        <translation>&apos;%1&apos; no es una fecha válida para el campo %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1027"/>
        <source>Il campo &apos;%1&apos; della tabella %2 deve avere un valore</source>
        <translation>El campo &apos;%1&apos; de la tabla %2 debe tener un valor</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1062"/>
        <source>Nessun numero libero nella tabella %1: altre stazioni la cambiano senza sosta</source>
        <translation>No hay ningún número libre en la tabla %1: otras estaciones la cambian sin parar</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1069"/>
        <source>Il record della tabella %1 contiene un valore non valido e non è stato salvato</source>
        <translation>El registro de la tabla %1 contiene un valor no válido y no se ha guardado</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1112"/>
        <source>Il record della tabella %1 è stato modificato o cancellato da un&apos;altra stazione: la modifica non è stata salvata. Rileggere i dati e riprovare.</source>
        <translation>Otra estación ha modificado o borrado el registro de la tabla %1: el cambio no se ha guardado. Vuelva a leer los datos e inténtelo de nuevo.</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1131"/>
        <source>La tabella %1 non ha un record corrente da cancellare</source>
        <translation>La tabla %1 no tiene un registro actual que borrar</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1152"/>
        <source>Il record della tabella %1 è stato modificato o cancellato da un&apos;altra stazione: non è stato cancellato.</source>
        <translation>Otra estación ha modificado o borrado el registro de la tabla %1: no se ha borrado.</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1190"/>
        <source>La tabella %1 non ha il campo %2</source>
        <translation>La tabla %1 no tiene el campo %2</translation>
    </message>
</context>
<context>
    <name>TErr_map</name>
    <message>
        <location filename="../reject/errmap.cpp" line="10"/>
        <source>Programma Peso = 0</source>
        <translation>Programa peso = 0</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="11"/>
        <source>Set-Up Singola/Doppia</source>
        <translation>Configuración simple/doble</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="12"/>
        <source>Set-Up i due rele di carico = 0</source>
        <translation>Configuración: los dos relés de carga = 0</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="13"/>
        <source>Set-Up i due rele di scarico = 0</source>
        <translation>Configuración: los dos relés de descarga = 0</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="14"/>
        <source>Set-Up k-Peso = 0</source>
        <translation>Configuración: k-peso = 0</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="15"/>
        <source>rele Scarico Destro non assegnato</source>
        <translation>relé de descarga derecho no asignado</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="16"/>
        <source>rele Scarico Sinistro non assegnato</source>
        <translation>relé de descarga izquierdo no asignado</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="17"/>
        <source>Doppia manca 1 rele o 1 sensore di carico</source>
        <translation>Doble: falta 1 relé o 1 sensor de carga</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="18"/>
        <source>comandi J/K errati</source>
        <translation>comandos J/K incorrectos</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="19"/>
        <source>Ciclo On Tara valore errato</source>
        <translation>Ciclo On Tara: valor incorrecto</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="20"/>
        <source>seriale Ricezione buffer pieno</source>
        <translation>serie: búfer de recepción lleno</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="21"/>
        <source>seriale Trasmissione Time-Out</source>
        <translation>serie: tiempo de transmisión agotado</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="30"/>
        <source>Errori Centralina Scarti</source>
        <translation>Errores de la centralita de descartes</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="61"/>
        <source>Codici di errore sconosciuti: %1</source>
        <translation>Códigos de error desconocidos: %1</translation>
    </message>
</context>
<context>
    <name>TImpAzienda</name>
    <message>
        <location filename="../lots/costs.cpp" line="192"/>
        <source>Impostazione Azienda</source>
        <translation>Datos de la empresa</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="194"/>
        <source>Intestazione Azienda</source>
        <translation>Encabezado de la empresa</translation>
    </message>
</context>
<context>
    <name>TImpCosti</name>
    <message>
        <location filename="../lots/costs.cpp" line="96"/>
        <source>Categoria %1: il numero di persone deve essere un numero intero da 0 a %2</source>
        <translation>Categoría %1: el número de personas debe ser un número entero de 0 a %2</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="100"/>
        <source>Categoria %1: il costo orario deve essere da 0 a %2 lire (%3 EUR)</source>
        <translation>Categoría %1: el coste por hora debe estar entre 0 y %2 liras (%3 EUR)</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="111"/>
        <source>Impostazione Costi</source>
        <translation>Ajuste de costes</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="114"/>
        <source>N. Persone</source>
        <translation>N.º personas</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="115"/>
        <source>Costo Orario</source>
        <translation>Coste por hora</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="129"/>
        <source>Categoria %1</source>
        <translation>Categoría %1</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="158"/>
        <source>Costo orario complessivo</source>
        <translation>Coste por hora total</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="161"/>
        <source>Costo / Minuto</source>
        <translation>Coste / minuto</translation>
    </message>
</context>
<context>
    <name>TInstallazione</name>
    <message>
        <location filename="../setup/installation.cpp" line="41"/>
        <source>%1: scrivere un numero da %2 a %3 (ora &quot;%4&quot;)</source>
        <translation>%1: escriba un número de %2 a %3 (ahora &quot;%4&quot;)</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="89"/>
        <location filename="../setup/installation.cpp" line="261"/>
        <source>ritardo FC</source>
        <translation>retardo FM</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="91"/>
        <location filename="../setup/installation.cpp" line="198"/>
        <source>Durata Att.</source>
        <translation>Duración act.</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="93"/>
        <location filename="../setup/installation.cpp" line="245"/>
        <source>Rit. Tara</source>
        <translation>Ret. tara</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="94"/>
        <location filename="../setup/installation.cpp" line="257"/>
        <source>Dist. FC</source>
        <translation>Dist. FM</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="95"/>
        <location filename="../setup/installation.cpp" line="259"/>
        <source>Durata FC</source>
        <translation>Duración FM</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="97"/>
        <source>Distanza Uscite, Us. %1</source>
        <translation>Distancia de las salidas, Sal. %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="98"/>
        <location filename="../setup/installation.cpp" line="214"/>
        <source>Apertura Magneti</source>
        <translation>Apertura imanes</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="99"/>
        <location filename="../setup/installation.cpp" line="212"/>
        <source>Fase Zero Encoder</source>
        <translation>Fase cero del encoder</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="101"/>
        <source>Lettura I, Linea %1</source>
        <translation>Lectura I, línea %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="102"/>
        <source>Lettura F, Linea %1</source>
        <translation>Lectura F, línea %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="105"/>
        <source>Lettura I/F, Linea %1: l&apos;inizio (%2) deve venire prima della fine (%3)</source>
        <translation>Lectura I/F, línea %1: el inicio (%2) debe ir antes del final (%3)</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="109"/>
        <source>K-peso, Linea %1</source>
        <translation>K-peso, línea %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="113"/>
        <location filename="../setup/installation.cpp" line="249"/>
        <source>Numero Tazze/L.</source>
        <translation>Número de cazoletas/L.</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="163"/>
        <source>non abilitata</source>
        <translation>no habilitada</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="171"/>
        <source>Installazione</source>
        <translation>Instalación</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="177"/>
        <source>Macchina</source>
        <translation>Máquina</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="179"/>
        <source>Seriale Centralina</source>
        <translation>Serie centralita</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="179"/>
        <source>Seriale S. Barcode</source>
        <translation>Serie lector códigos</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="179"/>
        <source>Seriale S. Scarti</source>
        <translation>Serie unidad descartes</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="190"/>
        <source>variabile</source>
        <translation>variable</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="190"/>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="192"/>
        <source>Numero linee</source>
        <translation>Número de líneas</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="194"/>
        <source>Numero Uscite</source>
        <translation>Número de salidas</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="196"/>
        <source>Tipo attiv. Magn.</source>
        <translation>Tipo activ. imanes</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="203"/>
        <source>verso rotazione encoder</source>
        <translation>sentido de giro del encoder</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="208"/>
        <source>Parametri Pesatura</source>
        <translation>Parámetros de pesaje</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="217"/>
        <source>Qualità%1</source>
        <translation>Calidad %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="219"/>
        <source>Linea %1</source>
        <translation>Línea %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="231"/>
        <source>Lettura I/F</source>
        <translation>Lectura I/F</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="232"/>
        <source>K-peso</source>
        <translation>K-peso</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="233"/>
        <source>Qualita linee</source>
        <translation>Calidad por línea</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="238"/>
        <source>Sistema Tara</source>
        <translation>Sistema de tara</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="241"/>
        <source>TARA/LINEA</source>
        <translation>TARA/LÍNEA</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="241"/>
        <source>TARA/TAZZA</source>
        <translation>TARA/CAZOLETA</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="242"/>
        <source>TARA INC.(%1gr)</source>
        <translation>TARA INC.(%1g)</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="247"/>
        <source>Tipo Tara</source>
        <translation>Tipo de tara</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="252"/>
        <source>Fine Campione</source>
        <translation>Fin de muestra</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="267"/>
        <source>Uscite</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="269"/>
        <source>Distanza Uscite</source>
        <translation>Distancia de las salidas</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="273"/>
        <source>Us. %1</source>
        <translation>Sal. %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="281"/>
        <source>Stampa</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="284"/>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="310"/>
        <source>orario</source>
        <translation>horario</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="310"/>
        <source>antiorario</source>
        <translation>antihorario</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="330"/>
        <source>60% /3 Passi</source>
        <translation>60% /3 pasos</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="330"/>
        <source>100% /3 Passi</source>
        <translation>100% /3 pasos</translation>
    </message>
</context>
<context>
    <name>TListaBolla</name>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="8"/>
        <source>Lista Bolle</source>
        <translation>Lista de albaranes</translation>
    </message>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="8"/>
        <source>Numero  Bolle</source>
        <translation>Número de albaranes</translation>
    </message>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="8"/>
        <source>Selezionare la Bolla</source>
        <translation>Seleccione el albarán</translation>
    </message>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="12"/>
        <source>Partita</source>
        <extracomment>check box: print the lot projected onto its whole quantity</extracomment>
        <translation>Lote</translation>
    </message>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="14"/>
        <source>Scarto</source>
        <translation>Descarte</translation>
    </message>
</context>
<context>
    <name>TListaProduttori</name>
    <message>
        <location filename="../lots/producers.cpp" line="100"/>
        <location filename="../lots/producers.cpp" line="106"/>
        <source>Lista Produttori</source>
        <translation>Lista de productores</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="100"/>
        <source>Numero  Produttori</source>
        <translation>Número de productores</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="101"/>
        <source>Selezionare il produttore</source>
        <translation>Seleccione el productor</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="106"/>
        <source>Numero Produttori</source>
        <translation>Número de productores</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="106"/>
        <source>selezionare il produttore</source>
        <translation>seleccione el productor</translation>
    </message>
</context>
<context>
    <name>TListaProgrammi</name>
    <message>
        <location filename="../programs/tlistaprogrammi.cpp" line="4"/>
        <source>Lista Programmi</source>
        <translation>Lista de programas</translation>
    </message>
    <message>
        <location filename="../programs/tlistaprogrammi.cpp" line="4"/>
        <source>Numero  Programmi</source>
        <translation>Número de programas</translation>
    </message>
    <message>
        <location filename="../programs/tlistaprogrammi.cpp" line="6"/>
        <source>Selezionare il programma: un clic o Invio lo sceglie, Esc annulla</source>
        <translation>Seleccione el programa: un clic o Intro lo elige, Esc cancela</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <location filename="../app/station.cpp" line="1295"/>
        <source>Morvel Campionatrice</source>
        <translation>Morvel Muestreadora</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="171"/>
        <source>&amp;Lavorazione</source>
        <translation>&amp;Trabajo</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="180"/>
        <source>Programma  (F2)</source>
        <translation>Programa  (F2)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="182"/>
        <source>&amp;Modifica P/U  (F6)</source>
        <translation>&amp;Modificar P/U  (F6)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="183"/>
        <source>&amp;Azzeramento   (F8)</source>
        <translation>&amp;Puesta a cero   (F8)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="184"/>
        <source>&amp;Dati   (F3)</source>
        <translation>&amp;Datos   (F3)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="185"/>
        <source>&amp;Totali</source>
        <translation>&amp;Totales</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="186"/>
        <source>&amp;Stampa   (F7)</source>
        <translation>&amp;Imprimir   (F7)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="187"/>
        <source>&amp;Fine Lavorazione (F9)</source>
        <translation>&amp;Fin de trabajo (F9)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="189"/>
        <source>&amp;Programmi</source>
        <translation>&amp;Programas</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="197"/>
        <location filename="../app/tmain.cpp" line="215"/>
        <location filename="../app/tmain.cpp" line="229"/>
        <source>&amp;Modifica</source>
        <translation>&amp;Modificar</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="198"/>
        <location filename="../app/tmain.cpp" line="230"/>
        <source>&amp;Nuovo</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="199"/>
        <source>Co&amp;pia</source>
        <translation>Co&amp;piar</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="200"/>
        <location filename="../app/tmain.cpp" line="217"/>
        <location filename="../app/tmain.cpp" line="231"/>
        <source>&amp;Cancella</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="201"/>
        <location filename="../app/tmain.cpp" line="218"/>
        <location filename="../app/tmain.cpp" line="232"/>
        <source>&amp;Stampa</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="205"/>
        <source>Control dbase</source>
        <translation>Control de la base de datos</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="213"/>
        <source>&amp;Bolle</source>
        <translation>&amp;Albaranes</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="216"/>
        <source>&amp;Nuova</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="220"/>
        <source>&amp;Opzioni Archivio</source>
        <translation>&amp;Opciones de archivo</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="222"/>
        <source>esporta per Date</source>
        <translation>exportar por fechas</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="223"/>
        <source>esporta giornaliero</source>
        <translation>exportar diario</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="225"/>
        <source>&amp;Azzeramento Bolle</source>
        <translation>&amp;Borrar albaranes</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="227"/>
        <source>Pro&amp;duttori</source>
        <translation>Pro&amp;ductores</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="235"/>
        <source>&amp;Azzera Produttori</source>
        <translation>&amp;Borrar productores</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="238"/>
        <location filename="../app/tmain.cpp" line="240"/>
        <source>&amp;Fine</source>
        <extracomment>menu: leaving the program</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="242"/>
        <source>&amp;Servizio</source>
        <translation>&amp;Servicio</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="244"/>
        <source>&amp;Installazione</source>
        <translation>&amp;Instalación</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="248"/>
        <source>&amp;Calibratrice</source>
        <translation>&amp;Calibradora</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="249"/>
        <source>&amp;Programma</source>
        <translation>&amp;Programa</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="251"/>
        <source>&amp;Salva su Penna USB</source>
        <translation>&amp;Guardar en memoria USB</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="254"/>
        <source>&amp;Ripristina da Penna USB</source>
        <translation>&amp;Restaurar desde memoria USB</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="258"/>
        <source>&amp;Assistenza</source>
        <translation>&amp;Asistencia</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="261"/>
        <source>Controllo CE&amp;LLE</source>
        <translation>Control de CÉ&amp;LULAS</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="262"/>
        <source>&amp;Memorizzato</source>
        <translation>&amp;Memorizado</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="263"/>
        <source>&amp;Encoder</source>
        <translation>&amp;Encoder</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="264"/>
        <source>&amp;Test Magneti</source>
        <translation>&amp;Prueba de imanes</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="265"/>
        <source>Co&amp;ntrollo Tazze</source>
        <translation>Co&amp;ntrol de cazoletas</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="266"/>
        <source>&amp;Calibrazione</source>
        <translation>&amp;Calibración</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="267"/>
        <source>Ta&amp;bella Tara</source>
        <translation>Ta&amp;bla de taras</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="268"/>
        <source>&amp;Oscilloscopio</source>
        <translation>&amp;Osciloscopio</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="269"/>
        <source>&amp;Reset Centralina</source>
        <translation>&amp;Reiniciar centralita</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="271"/>
        <source>Co&amp;ntrollo Remoto</source>
        <translation>Co&amp;ntrol remoto</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="275"/>
        <source>&amp;Settaggi</source>
        <translation>&amp;Ajustes</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="276"/>
        <source>&amp;Connesione</source>
        <translation>&amp;Conexión</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="277"/>
        <source>&amp;Disconnetti</source>
        <translation>&amp;Desconectar</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="279"/>
        <source>Aggiorna Tempi Scarti</source>
        <translation>Actualizar tiempos de descarte</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="280"/>
        <source>Mappa errori Kestin</source>
        <translation>Mapa de errores Kestin</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="282"/>
        <source>Costi personale</source>
        <translation>Costes de personal</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="283"/>
        <source>Dati azienda</source>
        <translation>Datos de la empresa</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="287"/>
        <source>&amp;Lingua</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="289"/>
        <source>Italiano</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="289"/>
        <source>Spagnolo</source>
        <translation>Español</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="289"/>
        <source>Portoghese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="289"/>
        <source>Inglese</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="290"/>
        <source>Francese</source>
        <translation>Francés</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="290"/>
        <source>Tedesco</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="290"/>
        <source>Greco</source>
        <translation>Griego</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="297"/>
        <source>Cinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="297"/>
        <source>Russo</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="298"/>
        <source>Indiano</source>
        <translation>Indio</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="305"/>
        <source>&amp;Aiuto</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="307"/>
        <source>&amp;Controllo Aggiornamenti On-line</source>
        <translation>&amp;Buscar actualizaciones en línea</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="322"/>
        <source>Calibro</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="322"/>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="322"/>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="323"/>
        <source>Percentuale</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="363"/>
        <location filename="../app/tmain.cpp" line="399"/>
        <source>Qualita %1</source>
        <translation>Calidad %1</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="401"/>
        <source>TOTALE</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="411"/>
        <source>Bolla</source>
        <extracomment>the delivery note of the lot being sampled</extracomment>
        <translation>Albarán</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="419"/>
        <source>Numero Bolla:</source>
        <translation>Número de albarán:</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="421"/>
        <source>Totale Partita kg:</source>
        <translation>Total del lote kg:</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="423"/>
        <source>Preview stampa</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="429"/>
        <source>Macchina</source>
        <translation>Máquina</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="435"/>
        <source>tazze sbagliate</source>
        <translation>cazoletas erróneas</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="440"/>
        <source>Tazza</source>
        <translation>Cazoleta</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="444"/>
        <source>Blocco Alimentazione</source>
        <translation>Alimentación bloqueada</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="459"/>
        <source>lista Barcode </source>
        <translation>lista de códigos de barras </translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="626"/>
        <source>Programma %1</source>
        <translation>Programa %1</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="627"/>
        <source>non in archivio</source>
        <translation>no está en el archivo</translation>
    </message>
</context>
<context>
    <name>TModDati</name>
    <message>
        <location filename="../lots/tmoddati.cpp" line="14"/>
        <source>Dati Bolla</source>
        <translation>Datos del albarán</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="33"/>
        <source>Bolla ritiro N:</source>
        <translation>Albarán de recogida n.º:</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="34"/>
        <source>Totale Partita kg:</source>
        <translation>Total del lote kg:</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="37"/>
        <source>Produttore</source>
        <translation>Productor</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="39"/>
        <source>Cambia</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="46"/>
        <source>Codice :</source>
        <translation>Código :</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="47"/>
        <source>Descrizione :</source>
        <translation>Descripción :</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="50"/>
        <source>Note :</source>
        <translation>Notas :</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="53"/>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>TNewBolla</name>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="52"/>
        <location filename="../lots/tnewbolla.cpp" line="73"/>
        <source>Bolla</source>
        <translation>Albarán</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="59"/>
        <source>Programma</source>
        <translation>Programa</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="85"/>
        <source>Numero :</source>
        <translation>Número :</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="87"/>
        <source>Data Bolla</source>
        <translation>Fecha del albarán</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="92"/>
        <source>Produttore</source>
        <translation>Productor</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="97"/>
        <source>Cambia</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="102"/>
        <source>Codice :</source>
        <translation>Código :</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="110"/>
        <source>Note</source>
        <translation>Notas</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="118"/>
        <source>Tot Partita</source>
        <translation>Tot. lote</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="127"/>
        <source>Codice a Barre</source>
        <translation>Código de barras</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="138"/>
        <source>Ripartizione Calibri</source>
        <translation>Reparto de calibres</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="147"/>
        <source>Calibro</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="147"/>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="147"/>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="147"/>
        <source>Percentuale</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="173"/>
        <location filename="../lots/tnewbolla.cpp" line="182"/>
        <source>Qualita %1</source>
        <translation>Calidad %1</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="182"/>
        <source>TOTALE</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="201"/>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="206"/>
        <source>Ricalcolo</source>
        <translation>Recálculo</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="208"/>
        <source>Partita</source>
        <translation>Lote</translation>
    </message>
</context>
<context>
    <name>TNewProgram</name>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="36"/>
        <source>Nuovo programma</source>
        <translation>Nuevo programa</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="45"/>
        <source>Descrizione</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="47"/>
        <source>Codice</source>
        <translation>Código</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="60"/>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="87"/>
        <source>Pesi Qualita %1</source>
        <translation>Pesos calidad %1</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="91"/>
        <source>Classe</source>
        <translation>Clase</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="92"/>
        <source>Calibro</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="93"/>
        <source>Peso minimo</source>
        <translation>Peso mínimo</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="94"/>
        <source>Peso massimo</source>
        <translation>Peso máximo</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="95"/>
        <source>Uscita %1</source>
        <translation>Salida %1</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="246"/>
        <source>&apos;%1&apos; non è un valore intero valido</source>
        <translation>&apos;%1&apos; no es un valor entero válido</translation>
    </message>
</context>
<context>
    <name>TParProg</name>
    <message>
        <location filename="../setup/installation.cpp" line="439"/>
        <source>Parametri  Programma</source>
        <translation>Parámetros del programa</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="441"/>
        <source>Flag Generali</source>
        <translation>Indicadores generales</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="449"/>
        <source>Archiviazione</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="450"/>
        <source>Stampa grammature</source>
        <translation>Imprimir pesos</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="451"/>
        <source>Trasmis. al remoto</source>
        <translation>Transmis. a remoto</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="452"/>
        <source>Stampa Bolla</source>
        <translation>Imprimir albarán</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="453"/>
        <source>Fine Partita Autom.</source>
        <translation>Fin de lote autom.</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="454"/>
        <source>Totali espressi in</source>
        <translation>Totales expresados en</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="456"/>
        <source>grammi</source>
        <translation>gramos</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="456"/>
        <source>Kilogrammi</source>
        <translation>Kilogramos</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="467"/>
        <source>Numero Copie Bolle</source>
        <translation>Número de copias de albaranes</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="477"/>
        <source>Auto Rinfresco Totali</source>
        <translation>Autoactualización de totales</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="482"/>
        <source>Avviso limite Percentuale raggiunta</source>
        <translation>Aviso de límite de porcentaje alcanzado</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="493"/>
        <source>Limite Perc. Q%1</source>
        <translation>Límite porc. C%1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="501"/>
        <source>Directory esp-AS400</source>
        <translation>Carpeta exp. AS400</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="505"/>
        <source>Sfoglia..</source>
        <translation>Examinar..</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="511"/>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>TPeriodoStampa</name>
    <message>
        <location filename="../reports/reports.cpp" line="38"/>
        <source>Periodo</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="49"/>
        <source>Dal</source>
        <translation>Desde</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="50"/>
        <source>Al</source>
        <translation>Hasta</translation>
    </message>
</context>
<context>
    <name>TProduttori</name>
    <message>
        <location filename="../lots/producers.cpp" line="111"/>
        <source>Dato Produttore</source>
        <translation>Datos del productor</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="121"/>
        <source>codice produttore</source>
        <translation>código del productor</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="122"/>
        <source>descrizione produttore</source>
        <translation>descripción del productor</translation>
    </message>
</context>
<context>
    <name>TRicercaBolle</name>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="20"/>
        <source>Ricerca Bolle</source>
        <translation>Búsqueda de albaranes</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="22"/>
        <source>Cerca le bolle</source>
        <translation>Buscar albaranes</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="24"/>
        <source>Dal</source>
        <translation>Desde</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="41"/>
        <source>al</source>
        <translation>al</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="47"/>
        <source>Cambia</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="55"/>
        <source>Produttore</source>
        <translation>Productor</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="66"/>
        <source>Bolla N.</source>
        <translation>Albarán n.º</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="68"/>
        <source>Programma</source>
        <translation>Programa</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="70"/>
        <source>Cerca</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="78"/>
        <source>Numero  Bolle</source>
        <translation>Número de albaranes</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="101"/>
        <source>Esporta per AS400</source>
        <translation>Exportar para AS400</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="103"/>
        <source>Stampa</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="104"/>
        <source>Apri</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="142"/>
        <source>(tutti)</source>
        <translation>(todos)</translation>
    </message>
</context>
<context>
    <name>TTestCelle</name>
    <message>
        <location filename="../service/machinetests.cpp" line="84"/>
        <source>Test Celle</source>
        <translation>Prueba de células</translation>
    </message>
</context>
<context>
    <name>TTestEncoder</name>
    <message>
        <location filename="../service/machinetests.cpp" line="112"/>
        <source>Test Encoder</source>
        <translation>Prueba del encoder</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="116"/>
        <source>N. Giro</source>
        <translation>N.º vuelta</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="118"/>
        <source>Valore</source>
        <translation>Valor</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="120"/>
        <source>Ultimo Errore</source>
        <translation>Último error</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="120"/>
        <source>Penultimo Errore</source>
        <translation>Penúltimo error</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="120"/>
        <source>Terzultimo Errore</source>
        <translation>Antepenúltimo error</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="121"/>
        <source>Quartultimo Errore</source>
        <translation>Cuarto a último error</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="121"/>
        <source>Quintultimo Errore</source>
        <translation>Quinto a último error</translation>
    </message>
</context>
<context>
    <name>TTestMagneti</name>
    <message>
        <location filename="../service/machinetests.cpp" line="131"/>
        <source>Test Magneti</source>
        <translation>Prueba de imanes</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="137"/>
        <source>Uscita N.</source>
        <translation>Salida n.º</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="144"/>
        <source>Inizio</source>
        <extracomment>button: starts the test of the chosen exit (a verb)</extracomment>
        <translation>Iniciar</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="154"/>
        <source>Test Dinamico</source>
        <translation>Prueba dinámica</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="155"/>
        <source>Test Statico</source>
        <translation>Prueba estática</translation>
    </message>
</context>
<context>
    <name>TTestMem</name>
    <message>
        <location filename="../service/machinetests.cpp" line="95"/>
        <source>TEST NETTO MEMORIZZATO</source>
        <translation>PRUEBA DE NETO MEMORIZADO</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="97"/>
        <source>N. TAZZA</source>
        <translation>N.º CAZOLETA</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="97"/>
        <source>TARA</source>
        <translation>TARA</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="97"/>
        <source>NETTO</source>
        <translation>NETO</translation>
    </message>
</context>
<context>
    <name>TTestOscilloscopio</name>
    <message>
        <location filename="../service/oscilloscope.cpp" line="131"/>
        <source>Funzione Oscilloscopio</source>
        <translation>Función osciloscopio</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="137"/>
        <source>Linea in esame</source>
        <translation>Línea examinada</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="143"/>
        <source>Tazza</source>
        <translation>Cazoleta</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="146"/>
        <source>minimo</source>
        <translation>mínimo</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="149"/>
        <source>massimo</source>
        <translation>máximo</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="152"/>
        <source>Soglia lnnesco</source>
        <translation>Umbral de disparo</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="160"/>
        <source>Finestre di lettura</source>
        <translation>Ventanas de lectura</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="163"/>
        <source>Inizio</source>
        <extracomment>column heading: the sample where the reading window starts</extracomment>
        <translation>Inicio</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="165"/>
        <source>Fine</source>
        <extracomment>column heading: the sample where the reading window ends</extracomment>
        <translation>Fin</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="167"/>
        <source>L %1</source>
        <translation>L %1</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="177"/>
        <source>Regolazione Fase</source>
        <translation>Ajuste de fase</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="179"/>
        <source>Fase Zero</source>
        <translation>Fase cero</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="184"/>
        <source>Aggiorna</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="188"/>
        <source>Salva su File</source>
        <translation>Guardar en archivo</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="192"/>
        <source>Copertura</source>
        <translation>Cobertura</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="202"/>
        <source>Cattura</source>
        <translation>Capturar</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="203"/>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="204"/>
        <source>Globale</source>
        <translation>Global</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="216"/>
        <source>finestra di lettura</source>
        <translation>ventana de lectura</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="219"/>
        <source>fuori finestra</source>
        <translation>fuera de ventana</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="229"/>
        <source>campione</source>
        <translation>muestra</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="234"/>
        <source>peso (g)</source>
        <translation>peso (g)</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="267"/>
        <location filename="../service/oscilloscope.cpp" line="272"/>
        <source>cattura</source>
        <translation>capturar</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="272"/>
        <source>Ferma</source>
        <translation>Parar</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="301"/>
        <source>Tracce senza tazza valida: %1</source>
        <translation>Trazas sin cazoleta válida: %1</translation>
    </message>
</context>
<context>
    <name>TTestTazzeVuote</name>
    <message>
        <location filename="../service/machinetests.cpp" line="160"/>
        <source>Test Tazze Vuote</source>
        <translation>Prueba de cazoletas vacías</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="163"/>
        <source>Numero Tazza</source>
        <translation>Número de cazoleta</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="164"/>
        <source>Valore</source>
        <translation>Valor</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="166"/>
        <source>L %1</source>
        <translation>L %1</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="174"/>
        <source>Limite +/-</source>
        <translation>Límite +/-</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="184"/>
        <source>Inizio</source>
        <extracomment>button: starts the empty-cup test (a verb)</extracomment>
        <translation>Iniciar</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="190"/>
        <source>Questa fuzione serve a localizzare Tazze / Carrelli difettosi.
Le tazze che a vuoto si discostano oltre il limite impostato sia in 
positivo che in negativo saranno attivate sull&apos;uscita 1</source>
        <translation>Esta función sirve para localizar cazoletas / carros defectuosos.
Las cazoletas que en vacío se desvían más allá del límite fijado, tanto en 
positivo como en negativo, se activarán en la salida 1</translation>
    </message>
</context>
<context>
    <name>Texpfiltdata</name>
    <message>
        <location filename="../export/expfildata.cpp" line="171"/>
        <source>Esporta Bolle con filtro per DATA</source>
        <translation>Exportar albaranes filtrando por FECHA</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="183"/>
        <source>Data inizio</source>
        <translation>Fecha inicial</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="184"/>
        <source>Data Fine</source>
        <translation>Fecha final</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="185"/>
        <source>ESPORTA</source>
        <translation>EXPORTAR</translation>
    </message>
</context>
<context>
    <name>Tpasswd</name>
    <message>
        <location filename="../setup/installation.cpp" line="380"/>
        <source>Password Accesso Servizio</source>
        <translation>Contraseña de acceso al servicio</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="382"/>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="387"/>
        <source>Entra</source>
        <translation>Entrar</translation>
    </message>
</context>
<context>
    <name>TrasfView</name>
    <message>
        <location filename="../service/machinetests.cpp" line="206"/>
        <source>Trasferimento dati</source>
        <translation>Transferencia de datos</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="209"/>
        <source>Trasferimento dati in corso...</source>
        <translation>Transferencia de datos en curso...</translation>
    </message>
</context>
<context>
    <name>Ttabtara</name>
    <message>
        <location filename="../service/machinetests.cpp" line="220"/>
        <source>TABELLA TARA</source>
        <translation>TABLA DE TARAS</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="226"/>
        <source>Tazza</source>
        <translation>Cazoleta</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="226"/>
        <source>L 1</source>
        <translation>L 1</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="226"/>
        <source>L 2</source>
        <translation>L 2</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="226"/>
        <source>L 3</source>
        <translation>L 3</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="226"/>
        <source>L 4</source>
        <translation>L 4</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="229"/>
        <source>Rinfresca</source>
        <translation>Refrescar</translation>
    </message>
</context>
<context>
    <name>cSelvik</name>
    <message>
        <location filename="../link/cSelvik.cpp" line="333"/>
        <source>Il comando R non ha ricevuto una risposta corretta</source>
        <translation>El comando R no ha recibido una respuesta correcta</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="456"/>
        <source>0 - Accesa    </source>
        <translation>0 - Encendida</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="456"/>
        <source>1 - Stand By</source>
        <translation>1 - En espera</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="457"/>
        <source>2 - Attesa Encoder</source>
        <translation>2 - Espera encoder</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="457"/>
        <source>3 - Tara iniziale</source>
        <translation>3 - Tara inicial</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="458"/>
        <source>4 - Lavorazione</source>
        <translation>4 - Trabajando</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="458"/>
        <source>5 - Fine partita</source>
        <translation>5 - Fin de lote</translation>
    </message>
</context>
<context>
    <name>inifile</name>
    <message>
        <location filename="../config/inifile.cpp" line="44"/>
        <source>Impossibile leggere %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <location filename="../config/inifile.cpp" line="78"/>
        <location filename="../config/inifile.cpp" line="82"/>
        <source>Impossibile scrivere %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>printboll</name>
    <message>
        <location filename="../reports/printboll.cpp" line="19"/>
        <source>QUALITA %1</source>
        <translation>CALIDAD %1</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="22"/>
        <source>calibro</source>
        <translation>calibre</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="23"/>
        <source>peso</source>
        <translation>peso</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="24"/>
        <location filename="../reports/printboll.cpp" line="122"/>
        <source>Totali</source>
        <translation>Totales</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="25"/>
        <location filename="../reports/printboll.cpp" line="123"/>
        <source>Perc.</source>
        <translation>Porc.</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="74"/>
        <source>Bolla in corso</source>
        <translation>Albarán en curso</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="74"/>
        <source>Bolla %1</source>
        <translation>Albarán %1</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="81"/>
        <source>STAMPA BOLLA</source>
        <translation>IMPRESIÓN DE ALBARÁN</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="82"/>
        <source>Data :</source>
        <translation>Fecha :</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="87"/>
        <source>Totali Temporanei</source>
        <translation>Totales provisionales</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="89"/>
        <source>Numero Bolla:</source>
        <translation>Número de albarán:</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="91"/>
        <source>Numero Registrazione :</source>
        <translation>Número de registro :</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="106"/>
        <source>Codice Programma :</source>
        <translation>Código de programa :</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="106"/>
        <source>Descrizione programma</source>
        <translation>Descripción del programa</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="107"/>
        <source>Codice Produttore :</source>
        <translation>Código de productor :</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="107"/>
        <source>Descrizione produttore</source>
        <translation>Descripción del productor</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="127"/>
        <source>Totale Q%1</source>
        <translation>Total C%1</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="140"/>
        <source>Totale Generale</source>
        <translation>Total general</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="144"/>
        <source>Totale Partita</source>
        <translation>Total del lote</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="148"/>
        <source>Note:</source>
        <translation>Notas:</translation>
    </message>
</context>
<context>
    <name>printprog</name>
    <message>
        <location filename="../reports/printprog.cpp" line="20"/>
        <source>Data :</source>
        <translation>Fecha :</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="40"/>
        <source>Programma %1</source>
        <translation>Programa %1</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="42"/>
        <source>STAMPA PROGRAMMA</source>
        <translation>IMPRESIÓN DE PROGRAMA</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="43"/>
        <source>Programma :</source>
        <translation>Programa :</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="46"/>
        <source>Descrizione:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="56"/>
        <source>Qualita %1</source>
        <translation>Calidad %1</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="58"/>
        <source>calibro</source>
        <translation>calibre</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="59"/>
        <source>Pesi</source>
        <translation>Pesos</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="79"/>
        <source>Installazione</source>
        <translation>Instalación</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="81"/>
        <source>STAMPA INSTALLAZIONE</source>
        <translation>IMPRESIÓN DE INSTALACIÓN</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="86"/>
        <source>Numero Linee =</source>
        <translation>Número de líneas =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="86"/>
        <source>Numero Tazze =</source>
        <translation>Número de cazoletas =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="87"/>
        <source>Ritardo Tara =</source>
        <translation>Retardo tara =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="87"/>
        <source>Tipo Tara =</source>
        <translation>Tipo de tara =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="88"/>
        <source>Direzione encoder =</source>
        <translation>Sentido del encoder =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="88"/>
        <source>Zero Encoder =</source>
        <translation>Cero encoder =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="91"/>
        <source>Fine Campione</source>
        <translation>Fin de muestra</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="92"/>
        <source>Distanza FC =</source>
        <translation>Distancia FM =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="93"/>
        <source>Durata FC =</source>
        <translation>Duración FM =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="100"/>
        <source>punto iniz. peso L%1 =</source>
        <translation>punto inicial peso L%1 =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="101"/>
        <source>punto Fine peso L%1 =</source>
        <translation>punto final peso L%1 =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="102"/>
        <source>Kappa  L%1 =</source>
        <translation>Kappa  L%1 =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="103"/>
        <source>Qualità  L%1 =</source>
        <translation>Calidad  L%1 =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="108"/>
        <source>Seriale Centralina =</source>
        <translation>Serie centralita =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="109"/>
        <source>Seriale  Barcode   =</source>
        <translation>Serie  código barras =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="110"/>
        <source>Seriale  Scarti       =</source>
        <translation>Serie  descartes       =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="125"/>
        <source>Produttore %1</source>
        <translation>Productor %1</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="133"/>
        <source>Data</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="134"/>
        <source>Bolla</source>
        <translation>Albarán</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="135"/>
        <source>Prog.</source>
        <translation>Prog.</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="136"/>
        <source>Qualita %1 (%2 / %)</source>
        <translation>Calidad %1 (%2 / %)</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="137"/>
        <source>Totale %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="152"/>
        <source>TOTALE</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="161"/>
        <source>RIEPILOGO BOLLE PRODUTTORE</source>
        <translation>RESUMEN DE ALBARANES DEL PRODUCTOR</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="162"/>
        <source>Produttore: %1  %2</source>
        <translation>Productor: %1  %2</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="163"/>
        <source>dal %1 al %2</source>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="174"/>
        <source>Pagina %1</source>
        <translation>Página %1</translation>
    </message>
</context>
<context>
    <name>sidefile</name>
    <message>
        <location filename="../base/sidefile.cpp" line="11"/>
        <location filename="../base/sidefile.cpp" line="15"/>
        <source>Impossibile scrivere il file %1: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <location filename="../base/text.cpp" line="96"/>
        <source>Il carattere &apos;%1&apos; non può essere scritto in %2: usare solo lettere, cifre e segni dell&apos;alfabeto latino</source>
        <translation>El carácter &apos;%1&apos; no se puede escribir en %2: use solo letras, cifras y signos del alfabeto latino</translation>
    </message>
</context>
</TS>
