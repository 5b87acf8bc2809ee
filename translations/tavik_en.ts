<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="it_IT">
<context>
    <name>ConfigBackup</name>
    <message>
        <location filename="../export/backup.cpp" line="82"/>
        <source>Selezionare un file nella Directory dove salvare i dati</source>
        <translation>Choose a file in the folder where the data are to be saved</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="104"/>
        <source>Impossibile scrivere il file %1: %2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="108"/>
        <source>Salvataggio effettuato!</source>
        <translation>Saved!</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="115"/>
        <source>apriil file di configurazione</source>
        <translation>open the configuration file</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="117"/>
        <source>Configurazione (%1);;Tutti i file (*)</source>
        <translation>Configuration (%1);;All files (*)</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="128"/>
        <source>Impossibile leggere il file %1: %2</source>
        <translation>Cannot read the file %1: %2</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="138"/>
        <source>Ripristino effettuato!</source>
        <translation>Restore done!</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <location filename="../config/configuration.cpp" line="38"/>
        <source>&apos;%1&apos; non è un valore valido (%2): ci vuole un testo o un numero intero</source>
        <translation>&apos;%1&apos; is not a valid value (%2): a text or a whole number is needed</translation>
    </message>
    <message>
        <location filename="../config/configuration.cpp" line="45"/>
        <source>&apos;%1&apos; è troppo grande (%2): al massimo %3</source>
        <translation>&apos;%1&apos; is too large (%2): at most %3</translation>
    </message>
    <message>
        <location filename="../config/configuration.cpp" line="60"/>
        <location filename="../config/configuration.cpp" line="77"/>
        <source>&apos;%1&apos; non è un valore intero valido (%2)</source>
        <translation>&apos;%1&apos; is not a valid whole number (%2)</translation>
    </message>
</context>
<context>
    <name>EndOfLot</name>
    <message>
        <location filename="../export/endoflot.cpp" line="82"/>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>The controller is off, please switch it on!</translation>
    </message>
    <message>
        <location filename="../export/endoflot.cpp" line="133"/>
        <source>Stampa non inviata</source>
        <translation>Print not sent</translation>
    </message>
    <message>
        <location filename="../export/endoflot.cpp" line="173"/>
        <source>Il file %1 esiste già: la bolla %2 è esportata in %3</source>
        <translation>The file %1 already exists: delivery note %2 is exported to %3</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <location filename="../base/fields.cpp" line="21"/>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>LotArchive</name>
    <message>
        <location filename="../lots/lotarchive.cpp" line="85"/>
        <source> &lt;nuovo produttore&gt;</source>
        <translation> &lt;new grower&gt;</translation>
    </message>
    <message>
        <location filename="../lots/lotarchive.cpp" line="185"/>
        <source>&apos;%1&apos; non è un valore intero valido per il campo %2</source>
        <translation>&apos;%1&apos; is not a valid whole number for the field %2</translation>
    </message>
    <message>
        <location filename="../lots/lotarchive.cpp" line="192"/>
        <source>La bolla non ha una data valida</source>
        <translation>The delivery note has no valid date</translation>
    </message>
</context>
<context>
    <name>LotEditor</name>
    <message>
        <location filename="../lots/loteditor.cpp" line="95"/>
        <source>Archivio Programmi Vuoto, Rilavorazione impossibile.</source>
        <translation>Program archive empty, regrading not possible.</translation>
    </message>
    <message>
        <location filename="../lots/loteditor.cpp" line="97"/>
        <source>Caricamento Programma </source>
        <translation>Load program </translation>
    </message>
    <message>
        <location filename="../lots/loteditor.cpp" line="97"/>
        <source>Numero Programmi</source>
        <translation>Number of programs</translation>
    </message>
    <message>
        <location filename="../lots/loteditor.cpp" line="98"/>
        <source>Programma dell archivio INESISTENTE, selezionarne uno dalla lista.</source>
        <translation>Program NOT IN THE ARCHIVE, choose one from the list.</translation>
    </message>
</context>
<context>
    <name>LotExport</name>
    <message>
        <location filename="../export/expfildata.cpp" line="65"/>
        <source>La bolla %1 contiene il carattere &apos;%2&apos;, che il file per l&apos;AS400 non può contenere</source>
        <translation>Delivery note %1 holds the character &apos;%2&apos;, which the file for the AS400 cannot hold</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="105"/>
        <source>La cartella di esportazione %1 (%2) non esiste: i dati per l&apos;AS400 non sono stati esportati</source>
        <translation>The export folder %1 (%2) does not exist: the data for the AS400 were not exported</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="115"/>
        <source>Il file %1 non è stato scritto: %2</source>
        <translation>The file %1 was not written: %2</translation>
    </message>
</context>
<context>
    <name>Lots</name>
    <message>
        <location filename="../lots/lots.cpp" line="21"/>
        <source>&apos;%1&apos; non è un valore intero valido</source>
        <translation>&apos;%1&apos; is not a valid whole number</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="82"/>
        <source>Nuova Bolla N:</source>
        <translation>New delivery note no.:</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="86"/>
        <source>La bolla è stata registrata con il numero %1: il numero %2 è stato preso nel frattempo</source>
        <translation>The delivery note was stored under number %1: number %2 was taken meanwhile</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="129"/>
        <source>La bolla %1 non è più in archivio</source>
        <translation>Delivery note %1 is no longer in the archive</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="133"/>
        <source>Modifica Bolla N:</source>
        <translation>Edit delivery note no.:</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="150"/>
        <source>Cancellazione non possibile, Bolla precedente in corso.</source>
        <translation>Cannot delete: a previous delivery note is in progress.</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="153"/>
        <source>Cancellare archivio Bolle? non sarà possibile recuperarlo.</source>
        <translation>Clear the delivery note archive? It cannot be recovered.</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="156"/>
        <source>Archivio Bolle cancellato!</source>
        <translation>Delivery note archive cleared!</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="176"/>
        <source>La data iniziale viene dopo quella finale</source>
        <translation>The start date comes after the end date</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="180"/>
        <source>&lt;nuovo produttore&gt;</source>
        <translation>&lt;new grower&gt;</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="231"/>
        <source>Il produttore è stato registrato con il numero %1: il numero %2 è stato preso nel frattempo</source>
        <translation>The grower was stored under number %1: number %2 was taken meanwhile</translation>
    </message>
</context>
<context>
    <name>MainCycle</name>
    <message>
        <location filename="../sampling/maincycle.cpp" line="59"/>
        <source>Trasf. interrotto (%1 %)</source>
        <translation>Transfer stopped (%1 %)</translation>
    </message>
    <message>
        <location filename="../sampling/maincycle.cpp" line="76"/>
        <source>0 - Centralina off </source>
        <translation>0 - Controller off </translation>
    </message>
</context>
<context>
    <name>PrintServerClient</name>
    <message>
        <location filename="../export/printserver.cpp" line="42"/>
        <source>server di stampa 127.0.0.1:%1 non raggiungibile: %2</source>
        <translation>print server 127.0.0.1:%1 not reachable: %2</translation>
    </message>
</context>
<context>
    <name>Producers</name>
    <message>
        <location filename="../lots/producers.cpp" line="74"/>
        <source>Il produttore %1 non è più in archivio</source>
        <translation>Grower %1 is no longer in the archive</translation>
    </message>
</context>
<context>
    <name>ProgramCommands</name>
    <message>
        <location filename="../programs/programcommands.cpp" line="13"/>
        <source>Modifica programma N. </source>
        <translation>Edit program no. </translation>
    </message>
    <message>
        <location filename="../programs/programcommands.cpp" line="67"/>
        <source> Cancella Programma </source>
        <translation> Delete program </translation>
    </message>
    <message>
        <location filename="../programs/programcommands.cpp" line="73"/>
        <source>&apos;%1&apos; non è un valore intero valido</source>
        <translation>&apos;%1&apos; is not a valid whole number</translation>
    </message>
    <message>
        <location filename="../programs/programcommands.cpp" line="75"/>
        <source>Il programma è quello corrente; non è possibile cancellarlo!</source>
        <translation>This is the current program; it cannot be deleted!</translation>
    </message>
</context>
<context>
    <name>Programs</name>
    <message>
        <location filename="../programs/programs.cpp" line="99"/>
        <source>&apos;%1&apos; non è un valore intero valido (peso %2 della qualità %3)</source>
        <translation>&apos;%1&apos; is not a valid whole number (weight %2 of quality %3)</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="121"/>
        <source>Il codice %1 è stato usato nel frattempo da un&apos;altra stazione: il programma è salvato con il codice %2.</source>
        <translation>The code %1 was taken meanwhile by another station: the program is saved under the code %2.</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="169"/>
        <source>Il programma %1 non è presente nell&apos;archivio.</source>
        <translation>Program %1 is not in the archive.</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="173"/>
        <source>Sono già memorizzati 99 programmi: cancellarne uno prima di crearne un altro.</source>
        <translation>99 programs are already stored: delete one before creating another.</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="176"/>
        <source>Programma %1 non presente in archivio</source>
        <translation>Program %1 not in the archive</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="249"/>
        <source>Il numero di programma %1 non può essere inviato alla centralina</source>
        <translation>Program number %1 cannot be sent to the controller</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="251"/>
        <source>Il programma %1 non può essere inviato alla centralina: qualità %2, classe %3, %4 &apos;%5&apos; non valido (%6)</source>
        <translation>Program %1 cannot be sent to the controller: quality %2, class %3, %4 &apos;%5&apos; not valid (%6)</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="270"/>
        <source>peso minimo</source>
        <translation>minimum weight</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="270"/>
        <source>peso massimo</source>
        <translation>maximum weight</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="271"/>
        <source>ci vuole un numero intero da 0 a %1</source>
        <translation>a whole number from 0 to %1 is needed</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="284"/>
        <source>uscita %1</source>
        <translation>exit %1</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="284"/>
        <source>ci vogliono due cifre</source>
        <translation>two digits are needed</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="303"/>
        <source>Il programma %1 non è presente nell&apos;archivio: non è stato inviato alla centralina.</source>
        <translation>Program %1 is not in the archive: it was not sent to the controller.</translation>
    </message>
</context>
<context>
    <name>RejectUnit</name>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="7"/>
        <source>0-SCARTI off </source>
        <translation>0-REJECTS off </translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="8"/>
        <source>? - errore scarti </source>
        <translation>? - reject error </translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="12"/>
        <source>0 - SCARTI ON </source>
        <translation>0 - REJECTS ON </translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="12"/>
        <source>1 - attesa scar.</source>
        <translation>1 - awaiting discharge</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="13"/>
        <source>2 - SCARICO</source>
        <translation>2 - DISCHARGE</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="13"/>
        <source>3 - ass. tara</source>
        <translation>3 - tare reading</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="14"/>
        <source>4 - tara in corso</source>
        <translation>4 - taring</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="14"/>
        <source>5 - att. carico</source>
        <translation>5 - awaiting load</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="15"/>
        <source>6 - Carico Sing.</source>
        <translation>6 - Single load</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="15"/>
        <source>7 - Ass. e Accum.</source>
        <translation>7 - Read and add</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="16"/>
        <source>8 - Doppia Carico</source>
        <translation>8 - Double load</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="16"/>
        <source>9 - Ass. Accum. Pos.</source>
        <translation>9 - Read add pos.</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <location filename="../reports/reportoutput.cpp" line="25"/>
        <source>la coda non accetta lavori</source>
        <translation>the queue does not accept jobs</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="26"/>
        <source>la stampante è ferma</source>
        <translation>the printer is stopped</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="49"/>
        <source>Impossibile scrivere il file %1</source>
        <translation>Cannot write the file %1</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="59"/>
        <source>Nessuna stampante installata: la stampa è nel file %1</source>
        <translation>No printer installed: the printout is in the file %1</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="102"/>
        <source>La stampa su %1 non è riuscita: %2</source>
        <translation>Printing on %1 failed: %2</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="111"/>
        <source>la stampante non ha accettato il lavoro</source>
        <translation>the printer did not accept the job</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <location filename="../reports/reports.cpp" line="83"/>
        <source>La bolla %1 non è più in archivio</source>
        <translation>Delivery note %1 is no longer in the archive</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="110"/>
        <source>Il programma %1 della bolla %2 non è in archivio: la bolla non può essere stampata</source>
        <translation>Program %1 of delivery note %2 is not in the archive: the delivery note cannot be printed</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="126"/>
        <source>errore programma in stampa</source>
        <translation>program error in the printout</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="133"/>
        <source>Non ci sono totali della bolla in corso da stampare</source>
        <translation>There are no totals of the delivery note in progress to print</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="213"/>
        <source>non abilitata</source>
        <translation>not enabled</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="221"/>
        <source>destra</source>
        <translation>right</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="221"/>
        <source>sinistra</source>
        <translation>left</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="274"/>
        <location filename="../reports/reports.cpp" line="282"/>
        <source> Stampa Programma </source>
        <translation> Print program </translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="274"/>
        <source>Numero  Programmi</source>
        <translation>Number of programs</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="304"/>
        <source>Il produttore %1 non ha bolle dal %2 al %3</source>
        <translation>Grower %1 has no delivery notes from %2 to %3</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="312"/>
        <source>Stampa Installazione</source>
        <translation>Print installation</translation>
    </message>
</context>
<context>
    <name>RunCommands</name>
    <message>
        <location filename="../sampling/runcommands.cpp" line="26"/>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>The controller is off, please switch it on!</translation>
    </message>
    <message>
        <location filename="../sampling/runcommands.cpp" line="30"/>
        <source>I totali verranno azzerati, vuoi continuare ?</source>
        <translation>The totals will be reset, do you want to continue?</translation>
    </message>
    <message>
        <location filename="../sampling/runcommands.cpp" line="135"/>
        <source>Produzione oraria = </source>
        <translation>Hourly output = </translation>
    </message>
    <message>
        <location filename="../sampling/runcommands.cpp" line="158"/>
        <source>Costo: %1 EUR</source>
        <translation>Cost: %1 EUR</translation>
    </message>
    <message>
        <location filename="../sampling/runcommands.cpp" line="159"/>
        <source>  -  %1 EUR/Kg</source>
        <translation>  -  %1 EUR/kg</translation>
    </message>
</context>
<context>
    <name>RunningTotals</name>
    <message>
        <location filename="../sampling/runningtotals.cpp" line="107"/>
        <source>I totali della bolla in corso non sono stati salvati</source>
        <translation>The totals of the delivery note in progress were not saved</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../config/settingsstore.cpp" line="49"/>
        <source>Impossibile leggere il file delle impostazioni %1: %2</source>
        <translation>Cannot read the settings file %1: %2</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="56"/>
        <source>Il file delle impostazioni %1 non è valido: %2</source>
        <translation>The settings file %1 is not valid: %2</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="59"/>
        <source>non contiene un oggetto</source>
        <translation>does not hold an object</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="149"/>
        <source>Il file delle impostazioni %1 non è leggibile: nessun valore è stato scritto</source>
        <translation>The settings file %1 cannot be read: no value was written</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="156"/>
        <source>Il file delle impostazioni %1 non è valido e non può essere messo da parte; nessun valore è stato scritto</source>
        <translation>The settings file %1 is not valid and cannot be set aside; no value was written</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="162"/>
        <source>Il file delle impostazioni non era valido ed è stato conservato come %1</source>
        <translation>The settings file was not valid and was kept as %1</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="181"/>
        <source>Impossibile scrivere %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <location filename="../app/station.cpp" line="240"/>
        <source>Costi del personale</source>
        <translation>Crew costs</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="371"/>
        <source>Il registro eventi %1 non può essere scritto (%2): la stazione lavora senza registro</source>
        <translation>The event log %1 cannot be written (%2): the station works without a log</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="468"/>
        <source>Bolla temporanea non presente!</source>
        <translation>No temporary delivery note!</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="549"/>
        <source>Configurazione</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="577"/>
        <location filename="../app/station.cpp" line="696"/>
        <location filename="../app/station.cpp" line="811"/>
        <location filename="../app/station.cpp" line="843"/>
        <location filename="../app/station.cpp" line="927"/>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>The controller is off, please switch it on!</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="582"/>
        <source> Caricamento Programma </source>
        <translation> Load program </translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="590"/>
        <source>&apos;%1&apos; non è un codice di programma valido</source>
        <translation>&apos;%1&apos; is not a valid program code</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="593"/>
        <source>Caricamento del programma %1</source>
        <translation>Loading program %1</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="605"/>
        <source>Non c&apos;è un programma corrente da modificare.</source>
        <translation>There is no current program to edit.</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="614"/>
        <source>Modifica programma N. </source>
        <translation>Edit program no. </translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="624"/>
        <source>Invio del programma alla centralina</source>
        <translation>Sending the program to the controller</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="639"/>
        <source>Azzeramento dei totali</source>
        <translation>Resetting the totals</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="644"/>
        <location filename="../app/station.cpp" line="786"/>
        <source>Lettura dei totali</source>
        <translation>Reading the totals</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="700"/>
        <source>Lettura dei totali per la stampa</source>
        <translation>Reading the totals for printing</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="732"/>
        <source>Esporta le bolle trovate</source>
        <translation>Export the delivery notes found</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="735"/>
        <source>Testo per AS400 (*.txt)</source>
        <translation>Text for AS400 (*.txt)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="755"/>
        <source>Il programma di aggiornamento %1 non si avvia: la stazione resta aperta</source>
        <translation>The updater %1 does not start: the station stays open</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="762"/>
        <source>Vuoi esportare i dati verso AS400 ?</source>
        <translation>Export the data to the AS400?</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="814"/>
        <source>Fine lavorazione</source>
        <translation>End of lot</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="822"/>
        <source>Allarme qualità</source>
        <translation>Quality alarm</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="839"/>
        <location filename="../app/station.cpp" line="1071"/>
        <location filename="../app/station.cpp" line="1102"/>
        <location filename="../app/station.cpp" line="1486"/>
        <source>Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione.</source>
        <translation>Check that the machine is empty, then press Yes to calibrate.</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="856"/>
        <source>Il coefficiente della linea %1 deve essere un numero intero da 1 a 9999</source>
        <translation>The factor of line %1 must be a whole number from 1 to 9999</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="872"/>
        <source>Coefficienti di calibrazione</source>
        <translation>Calibration factors</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="895"/>
        <source>Il peso campione per linea deve essere da %1 a %2 grammi</source>
        <translation>The sample weight per line must be from %1 to %2 grams</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="903"/>
        <source>Calibrazione</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="915"/>
        <source>Fine calibrazione</source>
        <translation>End of calibration</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="922"/>
        <source>Servizio</source>
        <translation>Service</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1021"/>
        <source>Test netto memorizzato</source>
        <translation>Stored net test</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1032"/>
        <location filename="../app/station.cpp" line="1059"/>
        <source>Fine test</source>
        <translation>End of test</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1038"/>
        <source>Termine Memorizzato non accettato!</source>
        <translation>End of stored net not accepted!</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1049"/>
        <source>Test encoder</source>
        <translation>Encoder test</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1078"/>
        <source>Test magneti</source>
        <translation>Magnet test</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1086"/>
        <source>Fine test magneti</source>
        <translation>End of magnet test</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1091"/>
        <source>La centralina non ha spento i magneti (U000): spegnere la macchina</source>
        <translation>The controller did not switch the magnets off (U000): switch the machine off</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1118"/>
        <source>Controllo tazze</source>
        <translation>Cup check</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1127"/>
        <source>Fine controllo tazze</source>
        <translation>End of cup check</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1139"/>
        <source>Attenzione! nel quadro che segue è possibile alterare il funzionamento della macchina, si vuole proseguire?</source>
        <translation>Warning! The following window can alter the way the machine works. Do you want to continue?</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1156"/>
        <source>Linea %1: inizio e fine della finestra di lettura devono essere numeri da 1 a %2, l&apos;inizio minore della fine</source>
        <translation>Line %1: the start and end of the reading window must be numbers from 1 to %2, the start below the end</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1199"/>
        <location filename="../app/station.cpp" line="1248"/>
        <source>Fine oscilloscopio</source>
        <translation>End of oscilloscope</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1224"/>
        <source>La linea va da 1 a 4 e la soglia da %1 a %2</source>
        <translation>The line goes from 1 to 4 and the threshold from %1 to %2</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1236"/>
        <source>Oscilloscopio</source>
        <translation>Oscilloscope</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1250"/>
        <source>Fine funzione oscilloscopio... non eseguita!</source>
        <translation>End of oscilloscope... not carried out!</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1265"/>
        <source>Impossibile scrivere le tracce su %1: %2. Il salvataggio su file è stato tolto.</source>
        <translation>Cannot write the traces to %1: %2. Saving to file was turned off.</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1305"/>
        <source>Lingua</source>
        <translation>Language</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1333"/>
        <source>Attenzione! le modifiche apportate nel quadro che segue possono alterare il funzionamento della macchina. Si vuole proseguire?</source>
        <translation>Warning! Changes made in the following window can alter the way the machine works. Do you want to continue?</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1398"/>
        <source>Riavvio linee</source>
        <translation>Restarting the lines</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1420"/>
        <source>COM%1 (unità scarti)</source>
        <translation>COM%1 (reject unit)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1424"/>
        <source>COM%1 (lettore barcode)</source>
        <translation>COM%1 (barcode reader)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1428"/>
        <source>COM%1 (centralina)</source>
        <translation>COM%1 (controller)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1439"/>
        <source>Com non disponibile nel computer: %1. La stazione continua senza questa linea e riprova ad aprirla.</source>
        <translation>COM port not available on this computer: %1. The station carries on without this line and tries to open it again.</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1456"/>
        <source>Rinfresco totali</source>
        <translation>Refreshing the totals</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1463"/>
        <source>Directory Esportazione AS400</source>
        <translation>AS400 export folder</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1465"/>
        <source>text file (*.txt)</source>
        <translation>text file (*.txt)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1491"/>
        <source>Reset centralina</source>
        <translation>Controller reset</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1505"/>
        <source>La tabella tara mostra al più %1 tazze: numtazze è %2</source>
        <translation>The tare table shows at most %1 cups: numtazze is %2</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1515"/>
        <source>Lettura tabella tara</source>
        <translation>Reading the tare table</translation>
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
        <translation>Usage: campionatrice [-o] [--unattended] | --create-database | --database-role
  -o             old controller: line at 9600 baud, short configuration line
                 (only as the first parameter)
  --unattended   answers OK or Yes to every message and modal window and writes
                 its text to the event log and to standard error
  --demo         trial station: a delivery note closed without a number takes the number
                 DEMO and a running count, so the simulated sample&apos;s notes are archived
  --create-database  creates the missing tables in the database of the alias tavikdata
                 (section &quot;databases&quot; of the settings; without it, the SQLite file
                 tavikdata.sqlite of the working folder) and exits
  --database-role  writes the SQL statement that creates on a PostgreSQL server the user
                 the station reaches the archive with (to pass to psql) and exits
The working folder is the current folder.
</translation>
    </message>
</context>
<context>
    <name>TCalibrazione_Linee</name>
    <message>
        <location filename="../service/calibration.cpp" line="64"/>
        <source>Calibrazione Linee</source>
        <translation>Line calibration</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="66"/>
        <source>Procedura Automatica</source>
        <translation>Automatic procedure</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="68"/>
        <source>Peso Campione</source>
        <translation>Sample weight</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="79"/>
        <source>Inizia</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="81"/>
        <source>Fine</source>
        <extracomment>button: ends the calibration under way (a verb)</extracomment>
        <translation>Finish</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="90"/>
        <source>Procedura Manuale</source>
        <translation>Manual procedure</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="92"/>
        <source>Linea</source>
        <translation>Line</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="92"/>
        <source>- N° -</source>
        <translation>- No. -</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="92"/>
        <source>- KAPPA -</source>
        <translation>- KAPPA -</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="92"/>
        <source>Peso</source>
        <translation>Weight</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="110"/>
        <source>Correzione errori</source>
        <translation>Error correction</translation>
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
        <translation>Overweight</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="115"/>
        <source>Sottopeso</source>
        <translation>Underweight</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="125"/>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="151"/>
        <source>calibrazione in corso...</source>
        <translation>calibrating...</translation>
    </message>
</context>
<context>
    <name>TDataModule1</name>
    <message>
        <location filename="../db/databaseacc.cpp" line="93"/>
        <source>Alias %1: manca il file del database SQLite</source>
        <translation>Alias %1: the SQLite database file is missing</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="102"/>
        <source>Alias %1 non valido: %2</source>
        <translation>Alias %1 not valid: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="115"/>
        <source>Alias %1 non valido: %2 (atteso sqlite:FILE o postgresql://HOST:PORTA/DATABASE)</source>
        <translation>Alias %1 not valid: %2 (expected sqlite:FILE or postgresql://HOST:PORTA/DATABASE)</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="126"/>
        <source>L&apos;alias %1 nelle impostazioni non è un testo: %2</source>
        <translation>The alias %1 in the settings is not a text: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="183"/>
        <location filename="../db/databaseacc.cpp" line="297"/>
        <location filename="../db/databaseacc.cpp" line="708"/>
        <source>Errore del database sulla tabella %1: %2</source>
        <translation>Database error on the table %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="328"/>
        <location filename="../db/databaseacc.cpp" line="677"/>
        <source>La connessione al database %1 si è interrotta; riprovare il comando</source>
        <translation>The connection to the database %1 was broken; retry the command</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="336"/>
        <source>Impossibile iniziare una transazione sul database %1: %2</source>
        <translation>Cannot start a transaction on the database %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="345"/>
        <source>Il database %1 non ha accettato le modifiche: %2</source>
        <translation>The database %1 did not accept the changes: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="369"/>
        <source>Il database %1 non esiste: crearlo con &quot;campionatrice --create-database&quot;</source>
        <translation>The database %1 does not exist: create it with &quot;campionatrice --create-database&quot;</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="373"/>
        <source>Il driver di database %1 non è installato</source>
        <translation>The database driver %1 is not installed</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="403"/>
        <source>Impossibile aprire il database %1: %2</source>
        <translation>Cannot open the database %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="419"/>
        <source>Impossibile usare il database %1: %2</source>
        <translation>Cannot use the database %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="473"/>
        <source>Impossibile leggere il database %1: %2</source>
        <translation>Cannot read the database %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="486"/>
        <source>Creazione della tabella %1 non riuscita: %2</source>
        <translation>Creating the table %1 failed: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="598"/>
        <source>Il valore %1 non entra nel campo %2</source>
        <translation>The value %1 does not fit in the field %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="672"/>
        <source>La tabella %1 non è in modifica</source>
        <translation>The table %1 is not being edited</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="731"/>
        <source>La tabella %1 non esiste nel database</source>
        <translation>The table %1 does not exist in the database</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="941"/>
        <source>La tabella %1 non ha un record corrente da modificare</source>
        <translation>The table %1 has no current record to edit</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="987"/>
        <source>&apos;%1&apos; non è un valore intero valido per il campo %2</source>
        <translation>&apos;%1&apos; is not a valid whole number for the field %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="996"/>
        <source>&apos;%1&apos; non è un numero valido per il campo %2</source>
        <translation>&apos;%1&apos; is not a valid number for the field %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1004"/>
        <source>&apos;%1&apos; non è una data valida per il campo %2</source>
        <translation>&apos;%1&apos; is not a valid date for the field %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1027"/>
        <source>Il campo &apos;%1&apos; della tabella %2 deve avere un valore</source>
        <translation>The field &apos;%1&apos; of the table %2 must have a value</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1062"/>
        <source>Nessun numero libero nella tabella %1: altre stazioni la cambiano senza sosta</source>
        <translation>No free number in the table %1: other stations keep changing it</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1069"/>
        <source>Il record della tabella %1 contiene un valore non valido e non è stato salvato</source>
        <translation>The record of the table %1 holds a value that is not valid and was not saved</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1112"/>
        <source>Il record della tabella %1 è stato modificato o cancellato da un&apos;altra stazione: la modifica non è stata salvata. Rileggere i dati e riprovare.</source>
        <translation>The record of the table %1 was changed or deleted by another station: the change was not saved. Read the data again and retry.</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1131"/>
        <source>La tabella %1 non ha un record corrente da cancellare</source>
        <translation>The table %1 has no current record to delete</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1152"/>
        <source>Il record della tabella %1 è stato modificato o cancellato da un&apos;altra stazione: non è stato cancellato.</source>
        <translation>The record of the table %1 was changed or deleted by another station: it was not deleted.</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1190"/>
        <source>La tabella %1 non ha il campo %2</source>
        <translation>The table %1 has no field %2</translation>
    </message>
</context>
<context>
    <name>TErr_map</name>
    <message>
        <location filename="../reject/errmap.cpp" line="10"/>
        <source>Programma Peso = 0</source>
        <translation>Program weight = 0</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="11"/>
        <source>Set-Up Singola/Doppia</source>
        <translation>Single/double set-up</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="12"/>
        <source>Set-Up i due rele di carico = 0</source>
        <translation>Set-up: both load relays = 0</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="13"/>
        <source>Set-Up i due rele di scarico = 0</source>
        <translation>Set-up: both discharge relays = 0</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="14"/>
        <source>Set-Up k-Peso = 0</source>
        <translation>Set-up: weight factor = 0</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="15"/>
        <source>rele Scarico Destro non assegnato</source>
        <translation>right discharge relay not assigned</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="16"/>
        <source>rele Scarico Sinistro non assegnato</source>
        <translation>left discharge relay not assigned</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="17"/>
        <source>Doppia manca 1 rele o 1 sensore di carico</source>
        <translation>Double: 1 relay or 1 load sensor missing</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="18"/>
        <source>comandi J/K errati</source>
        <translation>wrong J/K commands</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="19"/>
        <source>Ciclo On Tara valore errato</source>
        <translation>Tare on-cycle: wrong value</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="20"/>
        <source>seriale Ricezione buffer pieno</source>
        <translation>serial: receive buffer full</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="21"/>
        <source>seriale Trasmissione Time-Out</source>
        <translation>serial: transmit time-out</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="30"/>
        <source>Errori Centralina Scarti</source>
        <translation>Reject unit errors</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="61"/>
        <source>Codici di errore sconosciuti: %1</source>
        <translation>Unknown error codes: %1</translation>
    </message>
</context>
<context>
    <name>TImpAzienda</name>
    <message>
        <location filename="../lots/costs.cpp" line="192"/>
        <source>Impostazione Azienda</source>
        <translation>Company settings</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="194"/>
        <source>Intestazione Azienda</source>
        <translation>Company header</translation>
    </message>
</context>
<context>
    <name>TImpCosti</name>
    <message>
        <location filename="../lots/costs.cpp" line="96"/>
        <source>Categoria %1: il numero di persone deve essere un numero intero da 0 a %2</source>
        <translation>Category %1: the number of people must be a whole number from 0 to %2</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="100"/>
        <source>Categoria %1: il costo orario deve essere da 0 a %2 lire (%3 EUR)</source>
        <translation>Category %1: the hourly cost must be from 0 to %2 lire (%3 EUR)</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="111"/>
        <source>Impostazione Costi</source>
        <translation>Cost settings</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="114"/>
        <source>N. Persone</source>
        <translation>No. of people</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="115"/>
        <source>Costo Orario</source>
        <translation>Hourly cost</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="129"/>
        <source>Categoria %1</source>
        <translation>Category %1</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="158"/>
        <source>Costo orario complessivo</source>
        <translation>Total hourly cost</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="161"/>
        <source>Costo / Minuto</source>
        <translation>Cost / minute</translation>
    </message>
</context>
<context>
    <name>TInstallazione</name>
    <message>
        <location filename="../setup/installation.cpp" line="41"/>
        <source>%1: scrivere un numero da %2 a %3 (ora &quot;%4&quot;)</source>
        <translation>%1: enter a number from %2 to %3 (now &quot;%4&quot;)</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="89"/>
        <location filename="../setup/installation.cpp" line="261"/>
        <source>ritardo FC</source>
        <translation>EoS delay</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="91"/>
        <location filename="../setup/installation.cpp" line="198"/>
        <source>Durata Att.</source>
        <translation>Activ. time</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="93"/>
        <location filename="../setup/installation.cpp" line="245"/>
        <source>Rit. Tara</source>
        <translation>Tare delay</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="94"/>
        <location filename="../setup/installation.cpp" line="257"/>
        <source>Dist. FC</source>
        <translation>EoS dist.</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="95"/>
        <location filename="../setup/installation.cpp" line="259"/>
        <source>Durata FC</source>
        <translation>EoS time</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="97"/>
        <source>Distanza Uscite, Us. %1</source>
        <translation>Exit distances, Exit %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="98"/>
        <location filename="../setup/installation.cpp" line="214"/>
        <source>Apertura Magneti</source>
        <translation>Magnet opening</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="99"/>
        <location filename="../setup/installation.cpp" line="212"/>
        <source>Fase Zero Encoder</source>
        <translation>Encoder zero phase</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="101"/>
        <source>Lettura I, Linea %1</source>
        <translation>Reading start, line %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="102"/>
        <source>Lettura F, Linea %1</source>
        <translation>Reading end, line %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="105"/>
        <source>Lettura I/F, Linea %1: l&apos;inizio (%2) deve venire prima della fine (%3)</source>
        <translation>Reading S/E, line %1: the start (%2) must come before the end (%3)</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="109"/>
        <source>K-peso, Linea %1</source>
        <translation>Weight factor, line %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="113"/>
        <location filename="../setup/installation.cpp" line="249"/>
        <source>Numero Tazze/L.</source>
        <translation>Cups per line</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="163"/>
        <source>non abilitata</source>
        <translation>not enabled</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="171"/>
        <source>Installazione</source>
        <translation>Installation</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="177"/>
        <source>Macchina</source>
        <translation>Machine</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="179"/>
        <source>Seriale Centralina</source>
        <translation>Controller serial port</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="179"/>
        <source>Seriale S. Barcode</source>
        <translation>Barcode serial port</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="179"/>
        <source>Seriale S. Scarti</source>
        <translation>Reject unit serial port</translation>
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
        <translation>Number of lines</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="194"/>
        <source>Numero Uscite</source>
        <translation>Number of exits</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="196"/>
        <source>Tipo attiv. Magn.</source>
        <translation>Magnet firing</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="203"/>
        <source>verso rotazione encoder</source>
        <translation>encoder direction</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="208"/>
        <source>Parametri Pesatura</source>
        <translation>Weighing settings</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="217"/>
        <source>Qualità%1</source>
        <translation>Quality %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="219"/>
        <source>Linea %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="231"/>
        <source>Lettura I/F</source>
        <translation>Reading S/E</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="232"/>
        <source>K-peso</source>
        <translation>Weight factor</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="233"/>
        <source>Qualita linee</source>
        <translation>Quality per line</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="238"/>
        <source>Sistema Tara</source>
        <translation>Tare system</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="241"/>
        <source>TARA/LINEA</source>
        <translation>TARE/LINE</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="241"/>
        <source>TARA/TAZZA</source>
        <translation>TARE/CUP</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="242"/>
        <source>TARA INC.(%1gr)</source>
        <translation>INCR. TARE (%1g)</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="247"/>
        <source>Tipo Tara</source>
        <translation>Tare type</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="252"/>
        <source>Fine Campione</source>
        <translation>End of sample</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="267"/>
        <source>Uscite</source>
        <translation>Exits</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="269"/>
        <source>Distanza Uscite</source>
        <translation>Exit distances</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="273"/>
        <source>Us. %1</source>
        <translation>Exit %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="281"/>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="284"/>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="310"/>
        <source>orario</source>
        <translation>clockwise</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="310"/>
        <source>antiorario</source>
        <translation>anticlockwise</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="330"/>
        <source>60% /3 Passi</source>
        <translation>60% /3 steps</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="330"/>
        <source>100% /3 Passi</source>
        <translation>100% /3 steps</translation>
    </message>
</context>
<context>
    <name>TListaBolla</name>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="8"/>
        <source>Lista Bolle</source>
        <translation>Delivery note list</translation>
    </message>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="8"/>
        <source>Numero  Bolle</source>
        <translation>Number of delivery notes</translation>
    </message>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="8"/>
        <source>Selezionare la Bolla</source>
        <translation>Choose the delivery note</translation>
    </message>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="12"/>
        <source>Partita</source>
        <extracomment>check box: print the lot projected onto its whole quantity</extracomment>
        <translation>Lot</translation>
    </message>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="14"/>
        <source>Scarto</source>
        <translation>Reject</translation>
    </message>
</context>
<context>
    <name>TListaProduttori</name>
    <message>
        <location filename="../lots/producers.cpp" line="100"/>
        <location filename="../lots/producers.cpp" line="106"/>
        <source>Lista Produttori</source>
        <translation>Grower list</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="100"/>
        <source>Numero  Produttori</source>
        <translation>Number of growers</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="101"/>
        <source>Selezionare il produttore</source>
        <translation>Choose the grower</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="106"/>
        <source>Numero Produttori</source>
        <translation>Number of growers</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="106"/>
        <source>selezionare il produttore</source>
        <translation>choose the grower</translation>
    </message>
</context>
<context>
    <name>TListaProgrammi</name>
    <message>
        <location filename="../programs/tlistaprogrammi.cpp" line="4"/>
        <source>Lista Programmi</source>
        <translation>Program list</translation>
    </message>
    <message>
        <location filename="../programs/tlistaprogrammi.cpp" line="4"/>
        <source>Numero  Programmi</source>
        <translation>Number of programs</translation>
    </message>
    <message>
        <location filename="../programs/tlistaprogrammi.cpp" line="6"/>
        <source>Selezionare il programma: un clic o Invio lo sceglie, Esc annulla</source>
        <translation>Choose the program: a click or Enter takes it, Esc cancels</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <location filename="../app/station.cpp" line="1295"/>
        <source>Morvel Campionatrice</source>
        <translation>Morvel Sampler</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="171"/>
        <source>&amp;Lavorazione</source>
        <translation>&amp;Grading</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="180"/>
        <source>Programma  (F2)</source>
        <translation>Program  (F2)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="182"/>
        <source>&amp;Modifica P/U  (F6)</source>
        <translation>&amp;Edit W/E  (F6)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="183"/>
        <source>&amp;Azzeramento   (F8)</source>
        <translation>&amp;Reset totals   (F8)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="184"/>
        <source>&amp;Dati   (F3)</source>
        <translation>&amp;Data   (F3)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="185"/>
        <source>&amp;Totali</source>
        <translation>&amp;Totals</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="186"/>
        <source>&amp;Stampa   (F7)</source>
        <translation>&amp;Print   (F7)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="187"/>
        <source>&amp;Fine Lavorazione (F9)</source>
        <translation>&amp;End of lot (F9)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="189"/>
        <source>&amp;Programmi</source>
        <translation>&amp;Programs</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="197"/>
        <location filename="../app/tmain.cpp" line="215"/>
        <location filename="../app/tmain.cpp" line="229"/>
        <source>&amp;Modifica</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="198"/>
        <location filename="../app/tmain.cpp" line="230"/>
        <source>&amp;Nuovo</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="199"/>
        <source>Co&amp;pia</source>
        <translation>Co&amp;py</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="200"/>
        <location filename="../app/tmain.cpp" line="217"/>
        <location filename="../app/tmain.cpp" line="231"/>
        <source>&amp;Cancella</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="201"/>
        <location filename="../app/tmain.cpp" line="218"/>
        <location filename="../app/tmain.cpp" line="232"/>
        <source>&amp;Stampa</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="205"/>
        <source>Control dbase</source>
        <translation>Database check</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="213"/>
        <source>&amp;Bolle</source>
        <translation>&amp;Delivery notes</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="216"/>
        <source>&amp;Nuova</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="220"/>
        <source>&amp;Opzioni Archivio</source>
        <translation>&amp;Archive options</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="222"/>
        <source>esporta per Date</source>
        <translation>export by dates</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="223"/>
        <source>esporta giornaliero</source>
        <translation>daily export</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="225"/>
        <source>&amp;Azzeramento Bolle</source>
        <translation>&amp;Clear delivery notes</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="227"/>
        <source>Pro&amp;duttori</source>
        <translation>&amp;Growers</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="235"/>
        <source>&amp;Azzera Produttori</source>
        <translation>&amp;Clear growers</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="238"/>
        <location filename="../app/tmain.cpp" line="240"/>
        <source>&amp;Fine</source>
        <extracomment>menu: leaving the program</extracomment>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="242"/>
        <source>&amp;Servizio</source>
        <translation>&amp;Service</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="244"/>
        <source>&amp;Installazione</source>
        <translation>&amp;Installation</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="248"/>
        <source>&amp;Calibratrice</source>
        <translation>&amp;Grader</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="249"/>
        <source>&amp;Programma</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="251"/>
        <source>&amp;Salva su Penna USB</source>
        <translation>&amp;Save to USB stick</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="254"/>
        <source>&amp;Ripristina da Penna USB</source>
        <translation>&amp;Restore from USB stick</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="258"/>
        <source>&amp;Assistenza</source>
        <translation>&amp;Service</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="261"/>
        <source>Controllo CE&amp;LLE</source>
        <translation>&amp;Load cell check</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="262"/>
        <source>&amp;Memorizzato</source>
        <translation>&amp;Stored net</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="263"/>
        <source>&amp;Encoder</source>
        <translation>&amp;Encoder</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="264"/>
        <source>&amp;Test Magneti</source>
        <translation>&amp;Magnet test</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="265"/>
        <source>Co&amp;ntrollo Tazze</source>
        <translation>Cu&amp;p check</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="266"/>
        <source>&amp;Calibrazione</source>
        <translation>&amp;Calibration</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="267"/>
        <source>Ta&amp;bella Tara</source>
        <translation>Ta&amp;re table</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="268"/>
        <source>&amp;Oscilloscopio</source>
        <translation>&amp;Oscilloscope</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="269"/>
        <source>&amp;Reset Centralina</source>
        <translation>&amp;Reset controller</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="271"/>
        <source>Co&amp;ntrollo Remoto</source>
        <translation>&amp;Remote control</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="275"/>
        <source>&amp;Settaggi</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="276"/>
        <source>&amp;Connesione</source>
        <translation>&amp;Connect</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="277"/>
        <source>&amp;Disconnetti</source>
        <translation>&amp;Disconnect</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="279"/>
        <source>Aggiorna Tempi Scarti</source>
        <translation>Update reject times</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="280"/>
        <source>Mappa errori Kestin</source>
        <translation>Kestin error map</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="282"/>
        <source>Costi personale</source>
        <translation>Crew costs</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="283"/>
        <source>Dati azienda</source>
        <translation>Company data</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="287"/>
        <source>&amp;Lingua</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="289"/>
        <source>Italiano</source>
        <translation>Italian</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="289"/>
        <source>Spagnolo</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="289"/>
        <source>Portoghese</source>
        <translation>Portuguese</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="289"/>
        <source>Inglese</source>
        <translation>English</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="290"/>
        <source>Francese</source>
        <translation>French</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="290"/>
        <source>Tedesco</source>
        <translation>German</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="290"/>
        <source>Greco</source>
        <translation>Greek</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="297"/>
        <source>Cinese</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="297"/>
        <source>Russo</source>
        <translation>Russian</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="298"/>
        <source>Indiano</source>
        <translation>Indian</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="305"/>
        <source>&amp;Aiuto</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="307"/>
        <source>&amp;Controllo Aggiornamenti On-line</source>
        <translation>&amp;Check for updates</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="322"/>
        <source>Calibro</source>
        <translation>Size</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="322"/>
        <source>Peso</source>
        <translation>Weight</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="322"/>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="323"/>
        <source>Percentuale</source>
        <translation>Percentage</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="363"/>
        <location filename="../app/tmain.cpp" line="399"/>
        <source>Qualita %1</source>
        <translation>Quality %1</translation>
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
        <translation>Delivery note</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="419"/>
        <source>Numero Bolla:</source>
        <translation>Delivery note no.:</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="421"/>
        <source>Totale Partita kg:</source>
        <translation>Lot total kg:</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="423"/>
        <source>Preview stampa</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="429"/>
        <source>Macchina</source>
        <translation>Machine</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="435"/>
        <source>tazze sbagliate</source>
        <translation>wrong cups</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="440"/>
        <source>Tazza</source>
        <translation>Cup</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="444"/>
        <source>Blocco Alimentazione</source>
        <translation>Feed blocked</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="459"/>
        <source>lista Barcode </source>
        <translation>barcode list </translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="626"/>
        <source>Programma %1</source>
        <translation>Program %1</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="627"/>
        <source>non in archivio</source>
        <translation>not in the archive</translation>
    </message>
</context>
<context>
    <name>TModDati</name>
    <message>
        <location filename="../lots/tmoddati.cpp" line="14"/>
        <source>Dati Bolla</source>
        <translation>Delivery note data</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="33"/>
        <source>Bolla ritiro N:</source>
        <translation>Receiving note no.:</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="34"/>
        <source>Totale Partita kg:</source>
        <translation>Lot total kg:</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="37"/>
        <source>Produttore</source>
        <translation>Grower</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="39"/>
        <source>Cambia</source>
        <translation>Change</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="46"/>
        <source>Codice :</source>
        <translation>Code :</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="47"/>
        <source>Descrizione :</source>
        <translation>Description :</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="50"/>
        <source>Note :</source>
        <translation>Notes :</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="53"/>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>TNewBolla</name>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="52"/>
        <location filename="../lots/tnewbolla.cpp" line="73"/>
        <source>Bolla</source>
        <translation>Delivery note</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="59"/>
        <source>Programma</source>
        <translation>Program</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="85"/>
        <source>Numero :</source>
        <translation>Number :</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="87"/>
        <source>Data Bolla</source>
        <translation>Delivery note date</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="92"/>
        <source>Produttore</source>
        <translation>Grower</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="97"/>
        <source>Cambia</source>
        <translation>Change</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="102"/>
        <source>Codice :</source>
        <translation>Code :</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="110"/>
        <source>Note</source>
        <translation>Notes</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="118"/>
        <source>Tot Partita</source>
        <translation>Lot total</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="127"/>
        <source>Codice a Barre</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="138"/>
        <source>Ripartizione Calibri</source>
        <translation>Size distribution</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="147"/>
        <source>Calibro</source>
        <translation>Size</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="147"/>
        <source>Peso</source>
        <translation>Weight</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="147"/>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="147"/>
        <source>Percentuale</source>
        <translation>Percentage</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="173"/>
        <location filename="../lots/tnewbolla.cpp" line="182"/>
        <source>Qualita %1</source>
        <translation>Quality %1</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="182"/>
        <source>TOTALE</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="201"/>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="206"/>
        <source>Ricalcolo</source>
        <translation>Recalculate</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="208"/>
        <source>Partita</source>
        <translation>Lot</translation>
    </message>
</context>
<context>
    <name>TNewProgram</name>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="36"/>
        <source>Nuovo programma</source>
        <translation>New program</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="45"/>
        <source>Descrizione</source>
        <translation>Description</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="47"/>
        <source>Codice</source>
        <translation>Code</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="60"/>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="87"/>
        <source>Pesi Qualita %1</source>
        <translation>Weights quality %1</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="91"/>
        <source>Classe</source>
        <translation>Class</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="92"/>
        <source>Calibro</source>
        <translation>Size</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="93"/>
        <source>Peso minimo</source>
        <translation>Minimum weight</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="94"/>
        <source>Peso massimo</source>
        <translation>Maximum weight</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="95"/>
        <source>Uscita %1</source>
        <translation>Exit %1</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="246"/>
        <source>&apos;%1&apos; non è un valore intero valido</source>
        <translation>&apos;%1&apos; is not a valid whole number</translation>
    </message>
</context>
<context>
    <name>TParProg</name>
    <message>
        <location filename="../setup/installation.cpp" line="439"/>
        <source>Parametri  Programma</source>
        <translation>Program settings</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="441"/>
        <source>Flag Generali</source>
        <translation>General flags</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="449"/>
        <source>Archiviazione</source>
        <translation>Archiving</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="450"/>
        <source>Stampa grammature</source>
        <translation>Print weights</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="451"/>
        <source>Trasmis. al remoto</source>
        <translation>Send to host</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="452"/>
        <source>Stampa Bolla</source>
        <translation>Print delivery note</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="453"/>
        <source>Fine Partita Autom.</source>
        <translation>Automatic end of lot</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="454"/>
        <source>Totali espressi in</source>
        <translation>Totals in</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="456"/>
        <source>grammi</source>
        <translation>grams</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="456"/>
        <source>Kilogrammi</source>
        <translation>Kilograms</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="467"/>
        <source>Numero Copie Bolle</source>
        <translation>Delivery note copies</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="477"/>
        <source>Auto Rinfresco Totali</source>
        <translation>Automatic totals refresh</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="482"/>
        <source>Avviso limite Percentuale raggiunta</source>
        <translation>Percentage limit warning</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="493"/>
        <source>Limite Perc. Q%1</source>
        <translation>Limit % Q%1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="501"/>
        <source>Directory esp-AS400</source>
        <translation>AS400 export folder</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="505"/>
        <source>Sfoglia..</source>
        <translation>Browse..</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="511"/>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>TPeriodoStampa</name>
    <message>
        <location filename="../reports/reports.cpp" line="38"/>
        <source>Periodo</source>
        <translation>Period</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="49"/>
        <source>Dal</source>
        <translation>From</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="50"/>
        <source>Al</source>
        <translation>To</translation>
    </message>
</context>
<context>
    <name>TProduttori</name>
    <message>
        <location filename="../lots/producers.cpp" line="111"/>
        <source>Dato Produttore</source>
        <translation>Grower data</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="121"/>
        <source>codice produttore</source>
        <translation>grower code</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="122"/>
        <source>descrizione produttore</source>
        <translation>grower description</translation>
    </message>
</context>
<context>
    <name>TRicercaBolle</name>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="20"/>
        <source>Ricerca Bolle</source>
        <translation>Delivery note search</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="22"/>
        <source>Cerca le bolle</source>
        <translation>Search delivery notes</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="24"/>
        <source>Dal</source>
        <translation>From</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="41"/>
        <source>al</source>
        <translation>to</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="47"/>
        <source>Cambia</source>
        <translation>Change</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="55"/>
        <source>Produttore</source>
        <translation>Grower</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="66"/>
        <source>Bolla N.</source>
        <translation>Delivery note no.</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="68"/>
        <source>Programma</source>
        <translation>Program</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="70"/>
        <source>Cerca</source>
        <translation>Search</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="78"/>
        <source>Numero  Bolle</source>
        <translation>Number of delivery notes</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="101"/>
        <source>Esporta per AS400</source>
        <translation>Export for AS400</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="103"/>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="104"/>
        <source>Apri</source>
        <translation>Open</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="142"/>
        <source>(tutti)</source>
        <translation>(all)</translation>
    </message>
</context>
<context>
    <name>TTestCelle</name>
    <message>
        <location filename="../service/machinetests.cpp" line="84"/>
        <source>Test Celle</source>
        <translation>Load cell test</translation>
    </message>
</context>
<context>
    <name>TTestEncoder</name>
    <message>
        <location filename="../service/machinetests.cpp" line="112"/>
        <source>Test Encoder</source>
        <translation>Encoder test</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="116"/>
        <source>N. Giro</source>
        <translation>Turn no.</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="118"/>
        <source>Valore</source>
        <translation>Value</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="120"/>
        <source>Ultimo Errore</source>
        <translation>Last error</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="120"/>
        <source>Penultimo Errore</source>
        <translation>Second last error</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="120"/>
        <source>Terzultimo Errore</source>
        <translation>Third last error</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="121"/>
        <source>Quartultimo Errore</source>
        <translation>Fourth last error</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="121"/>
        <source>Quintultimo Errore</source>
        <translation>Fifth last error</translation>
    </message>
</context>
<context>
    <name>TTestMagneti</name>
    <message>
        <location filename="../service/machinetests.cpp" line="131"/>
        <source>Test Magneti</source>
        <translation>Magnet test</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="137"/>
        <source>Uscita N.</source>
        <translation>Exit no.</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="144"/>
        <source>Inizio</source>
        <extracomment>button: starts the test of the chosen exit (a verb)</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="154"/>
        <source>Test Dinamico</source>
        <translation>Dynamic test</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="155"/>
        <source>Test Statico</source>
        <translation>Static test</translation>
    </message>
</context>
<context>
    <name>TTestMem</name>
    <message>
        <location filename="../service/machinetests.cpp" line="95"/>
        <source>TEST NETTO MEMORIZZATO</source>
        <translation>STORED NET TEST</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="97"/>
        <source>N. TAZZA</source>
        <translation>CUP NO.</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="97"/>
        <source>TARA</source>
        <translation>TARE</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="97"/>
        <source>NETTO</source>
        <translation>NET</translation>
    </message>
</context>
<context>
    <name>TTestOscilloscopio</name>
    <message>
        <location filename="../service/oscilloscope.cpp" line="131"/>
        <source>Funzione Oscilloscopio</source>
        <translation>Oscilloscope</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="137"/>
        <source>Linea in esame</source>
        <translation>Line under test</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="143"/>
        <source>Tazza</source>
        <translation>Cup</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="146"/>
        <source>minimo</source>
        <translation>minimum</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="149"/>
        <source>massimo</source>
        <translation>maximum</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="152"/>
        <source>Soglia lnnesco</source>
        <translation>Trigger threshold</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="160"/>
        <source>Finestre di lettura</source>
        <translation>Reading windows</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="163"/>
        <source>Inizio</source>
        <extracomment>column heading: the sample where the reading window starts</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="165"/>
        <source>Fine</source>
        <extracomment>column heading: the sample where the reading window ends</extracomment>
        <translation>End</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="167"/>
        <source>L %1</source>
        <translation>L %1</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="177"/>
        <source>Regolazione Fase</source>
        <translation>Phase setting</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="179"/>
        <source>Fase Zero</source>
        <translation>Zero phase</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="184"/>
        <source>Aggiorna</source>
        <translation>Update</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="188"/>
        <source>Salva su File</source>
        <translation>Save to file</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="192"/>
        <source>Copertura</source>
        <translation>Coverage</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="202"/>
        <source>Cattura</source>
        <translation>Capture</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="203"/>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="204"/>
        <source>Globale</source>
        <translation>Full scale</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="216"/>
        <source>finestra di lettura</source>
        <translation>reading window</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="219"/>
        <source>fuori finestra</source>
        <translation>outside the window</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="229"/>
        <source>campione</source>
        <translation>sample</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="234"/>
        <source>peso (g)</source>
        <translation>weight (g)</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="267"/>
        <location filename="../service/oscilloscope.cpp" line="272"/>
        <source>cattura</source>
        <translation>capture</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="272"/>
        <source>Ferma</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="301"/>
        <source>Tracce senza tazza valida: %1</source>
        <translation>Traces without a valid cup: %1</translation>
    </message>
</context>
<context>
    <name>TTestTazzeVuote</name>
    <message>
        <location filename="../service/machinetests.cpp" line="160"/>
        <source>Test Tazze Vuote</source>
        <translation>Empty cup test</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="163"/>
        <source>Numero Tazza</source>
        <translation>Cup number</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="164"/>
        <source>Valore</source>
        <translation>Value</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="166"/>
        <source>L %1</source>
        <translation>L %1</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="174"/>
        <source>Limite +/-</source>
        <translation>Limit +/-</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="184"/>
        <source>Inizio</source>
        <extracomment>button: starts the empty-cup test (a verb)</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="190"/>
        <source>Questa fuzione serve a localizzare Tazze / Carrelli difettosi.
Le tazze che a vuoto si discostano oltre il limite impostato sia in 
positivo che in negativo saranno attivate sull&apos;uscita 1</source>
        <translation>This function finds faulty cups / carriers.
Cups whose empty weight departs from the set limit, 
above or below, are fired on exit 1</translation>
    </message>
</context>
<context>
    <name>Texpfiltdata</name>
    <message>
        <location filename="../export/expfildata.cpp" line="171"/>
        <source>Esporta Bolle con filtro per DATA</source>
        <translation>Export delivery notes filtered by DATE</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="183"/>
        <source>Data inizio</source>
        <translation>Start date</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="184"/>
        <source>Data Fine</source>
        <translation>End date</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="185"/>
        <source>ESPORTA</source>
        <translation>EXPORT</translation>
    </message>
</context>
<context>
    <name>Tpasswd</name>
    <message>
        <location filename="../setup/installation.cpp" line="380"/>
        <source>Password Accesso Servizio</source>
        <translation>Service access password</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="382"/>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="387"/>
        <source>Entra</source>
        <translation>Enter</translation>
    </message>
</context>
<context>
    <name>TrasfView</name>
    <message>
        <location filename="../service/machinetests.cpp" line="206"/>
        <source>Trasferimento dati</source>
        <translation>Data transfer</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="209"/>
        <source>Trasferimento dati in corso...</source>
        <translation>Data transfer in progress...</translation>
    </message>
</context>
<context>
    <name>Ttabtara</name>
    <message>
        <location filename="../service/machinetests.cpp" line="220"/>
        <source>TABELLA TARA</source>
        <translation>TARE TABLE</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="226"/>
        <source>Tazza</source>
        <translation>Cup</translation>
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
        <translation>Refresh</translation>
    </message>
</context>
<context>
    <name>cSelvik</name>
    <message>
        <location filename="../link/cSelvik.cpp" line="333"/>
        <source>Il comando R non ha ricevuto una risposta corretta</source>
        <translation>The command R did not get a correct reply</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="456"/>
        <source>0 - Accesa    </source>
        <translation>0 - On</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="456"/>
        <source>1 - Stand By</source>
        <translation>1 - Standby</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="457"/>
        <source>2 - Attesa Encoder</source>
        <translation>2 - Waiting for encoder</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="457"/>
        <source>3 - Tara iniziale</source>
        <translation>3 - Initial tare</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="458"/>
        <source>4 - Lavorazione</source>
        <translation>4 - Grading</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="458"/>
        <source>5 - Fine partita</source>
        <translation>5 - End of lot</translation>
    </message>
</context>
<context>
    <name>inifile</name>
    <message>
        <location filename="../config/inifile.cpp" line="44"/>
        <source>Impossibile leggere %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <location filename="../config/inifile.cpp" line="78"/>
        <location filename="../config/inifile.cpp" line="82"/>
        <source>Impossibile scrivere %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
</context>
<context>
    <name>printboll</name>
    <message>
        <location filename="../reports/printboll.cpp" line="19"/>
        <source>QUALITA %1</source>
        <translation>QUALITY %1</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="22"/>
        <source>calibro</source>
        <translation>size</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="23"/>
        <source>peso</source>
        <translation>weight</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="24"/>
        <location filename="../reports/printboll.cpp" line="122"/>
        <source>Totali</source>
        <translation>Totals</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="25"/>
        <location filename="../reports/printboll.cpp" line="123"/>
        <source>Perc.</source>
        <translation>Perc.</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="74"/>
        <source>Bolla in corso</source>
        <translation>Delivery note in progress</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="74"/>
        <source>Bolla %1</source>
        <translation>Delivery note %1</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="81"/>
        <source>STAMPA BOLLA</source>
        <translation>DELIVERY NOTE PRINTOUT</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="82"/>
        <source>Data :</source>
        <translation>Date :</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="87"/>
        <source>Totali Temporanei</source>
        <translation>Interim totals</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="89"/>
        <source>Numero Bolla:</source>
        <translation>Delivery note no.:</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="91"/>
        <source>Numero Registrazione :</source>
        <translation>Record number :</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="106"/>
        <source>Codice Programma :</source>
        <translation>Program code :</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="106"/>
        <source>Descrizione programma</source>
        <translation>Program description</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="107"/>
        <source>Codice Produttore :</source>
        <translation>Grower code :</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="107"/>
        <source>Descrizione produttore</source>
        <translation>Grower description</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="127"/>
        <source>Totale Q%1</source>
        <translation>Total Q%1</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="140"/>
        <source>Totale Generale</source>
        <translation>Grand total</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="144"/>
        <source>Totale Partita</source>
        <translation>Lot total</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="148"/>
        <source>Note:</source>
        <translation>Notes:</translation>
    </message>
</context>
<context>
    <name>printprog</name>
    <message>
        <location filename="../reports/printprog.cpp" line="20"/>
        <source>Data :</source>
        <translation>Date :</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="40"/>
        <source>Programma %1</source>
        <translation>Program %1</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="42"/>
        <source>STAMPA PROGRAMMA</source>
        <translation>PROGRAM PRINTOUT</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="43"/>
        <source>Programma :</source>
        <translation>Program :</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="46"/>
        <source>Descrizione:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="56"/>
        <source>Qualita %1</source>
        <translation>Quality %1</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="58"/>
        <source>calibro</source>
        <translation>size</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="59"/>
        <source>Pesi</source>
        <translation>Weights</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="79"/>
        <source>Installazione</source>
        <translation>Installation</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="81"/>
        <source>STAMPA INSTALLAZIONE</source>
        <translation>INSTALLATION PRINTOUT</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="86"/>
        <source>Numero Linee =</source>
        <translation>Number of lines =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="86"/>
        <source>Numero Tazze =</source>
        <translation>Number of cups =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="87"/>
        <source>Ritardo Tara =</source>
        <translation>Tare delay =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="87"/>
        <source>Tipo Tara =</source>
        <translation>Tare type =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="88"/>
        <source>Direzione encoder =</source>
        <translation>Encoder direction =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="88"/>
        <source>Zero Encoder =</source>
        <translation>Encoder zero =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="91"/>
        <source>Fine Campione</source>
        <translation>End of sample</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="92"/>
        <source>Distanza FC =</source>
        <translation>End-of-sample distance =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="93"/>
        <source>Durata FC =</source>
        <translation>End-of-sample time =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="100"/>
        <source>punto iniz. peso L%1 =</source>
        <translation>weighing start L%1 =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="101"/>
        <source>punto Fine peso L%1 =</source>
        <translation>weighing end L%1 =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="102"/>
        <source>Kappa  L%1 =</source>
        <translation>Kappa  L%1 =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="103"/>
        <source>Qualità  L%1 =</source>
        <translation>Quality  L%1 =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="108"/>
        <source>Seriale Centralina =</source>
        <translation>Controller serial port =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="109"/>
        <source>Seriale  Barcode   =</source>
        <translation>Barcode serial port =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="110"/>
        <source>Seriale  Scarti       =</source>
        <translation>Reject serial port =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="125"/>
        <source>Produttore %1</source>
        <translation>Grower %1</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="133"/>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="134"/>
        <source>Bolla</source>
        <translation>Delivery note</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="135"/>
        <source>Prog.</source>
        <translation>Prog.</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="136"/>
        <source>Qualita %1 (%2 / %)</source>
        <translation>Quality %1 (%2 / %)</translation>
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
        <translation>GROWER&apos;S DELIVERY NOTE STATEMENT</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="162"/>
        <source>Produttore: %1  %2</source>
        <translation>Grower: %1  %2</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="163"/>
        <source>dal %1 al %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="174"/>
        <source>Pagina %1</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>sidefile</name>
    <message>
        <location filename="../base/sidefile.cpp" line="11"/>
        <location filename="../base/sidefile.cpp" line="15"/>
        <source>Impossibile scrivere il file %1: %2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <location filename="../base/text.cpp" line="96"/>
        <source>Il carattere &apos;%1&apos; non può essere scritto in %2: usare solo lettere, cifre e segni dell&apos;alfabeto latino</source>
        <translation>The character &apos;%1&apos; cannot be written to %2: use only letters, digits and signs of the Latin alphabet</translation>
    </message>
</context>
</TS>
