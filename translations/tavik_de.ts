<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="it_IT">
<context>
    <name>ConfigBackup</name>
    <message>
        <location filename="../export/backup.cpp" line="82"/>
        <source>Selezionare un file nella Directory dove salvare i dati</source>
        <translation>Eine Datei im Ordner wählen, in dem die Daten gespeichert werden</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="104"/>
        <source>Impossibile scrivere il file %1: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="108"/>
        <source>Salvataggio effettuato!</source>
        <translation>Gespeichert!</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="115"/>
        <source>apriil file di configurazione</source>
        <translation>Konfigurationsdatei öffnen</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="117"/>
        <source>Configurazione (%1);;Tutti i file (*)</source>
        <translation>Konfiguration (%1);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="128"/>
        <source>Impossibile leggere il file %1: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="138"/>
        <source>Ripristino effettuato!</source>
        <translation>Wiederherstellung durchgeführt!</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <location filename="../config/configuration.cpp" line="38"/>
        <source>&apos;%1&apos; non è un valore valido (%2): ci vuole un testo o un numero intero</source>
        <translation>„%1“ ist kein gültiger Wert (%2): ein Text oder eine ganze Zahl ist nötig</translation>
    </message>
    <message>
        <location filename="../config/configuration.cpp" line="45"/>
        <source>&apos;%1&apos; è troppo grande (%2): al massimo %3</source>
        <translation>„%1“ ist zu groß (%2): höchstens %3</translation>
    </message>
    <message>
        <location filename="../config/configuration.cpp" line="60"/>
        <location filename="../config/configuration.cpp" line="77"/>
        <source>&apos;%1&apos; non è un valore intero valido (%2)</source>
        <translation>„%1“ ist keine gültige ganze Zahl (%2)</translation>
    </message>
</context>
<context>
    <name>EndOfLot</name>
    <message>
        <location filename="../export/endoflot.cpp" line="82"/>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>Die Steuerung ist aus, bitte einschalten!</translation>
    </message>
    <message>
        <location filename="../export/endoflot.cpp" line="133"/>
        <source>Stampa non inviata</source>
        <translation>Druck nicht gesendet</translation>
    </message>
    <message>
        <location filename="../export/endoflot.cpp" line="173"/>
        <source>Il file %1 esiste già: la bolla %2 è esportata in %3</source>
        <translation>Die Datei %1 existiert bereits: Lieferschein %2 wurde nach %3 exportiert</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <location filename="../base/fields.cpp" line="21"/>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>LotArchive</name>
    <message>
        <location filename="../lots/lotarchive.cpp" line="85"/>
        <source> &lt;nuovo produttore&gt;</source>
        <translation> &lt;neuer Erzeuger&gt;</translation>
    </message>
    <message>
        <location filename="../lots/lotarchive.cpp" line="185"/>
        <source>&apos;%1&apos; non è un valore intero valido per il campo %2</source>
        <translation>„%1“ ist keine gültige ganze Zahl für das Feld %2</translation>
    </message>
    <message>
        <location filename="../lots/lotarchive.cpp" line="192"/>
        <source>La bolla non ha una data valida</source>
        <translation>Der Lieferschein hat kein gültiges Datum</translation>
    </message>
</context>
<context>
    <name>LotEditor</name>
    <message>
        <location filename="../lots/loteditor.cpp" line="95"/>
        <source>Archivio Programmi Vuoto, Rilavorazione impossibile.</source>
        <translation>Programmarchiv leer, Nachsortierung nicht möglich.</translation>
    </message>
    <message>
        <location filename="../lots/loteditor.cpp" line="97"/>
        <source>Caricamento Programma </source>
        <translation>Programm laden </translation>
    </message>
    <message>
        <location filename="../lots/loteditor.cpp" line="97"/>
        <source>Numero Programmi</source>
        <translation>Anzahl Programme</translation>
    </message>
    <message>
        <location filename="../lots/loteditor.cpp" line="98"/>
        <source>Programma dell archivio INESISTENTE, selezionarne uno dalla lista.</source>
        <translation>Programm im Archiv NICHT VORHANDEN, eines aus der Liste wählen.</translation>
    </message>
</context>
<context>
    <name>LotExport</name>
    <message>
        <location filename="../export/expfildata.cpp" line="65"/>
        <source>La bolla %1 contiene il carattere &apos;%2&apos;, che il file per l&apos;AS400 non può contenere</source>
        <translation>Lieferschein %1 enthält das Zeichen „%2“, das die Datei für den AS400 nicht enthalten kann</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="105"/>
        <source>La cartella di esportazione %1 (%2) non esiste: i dati per l&apos;AS400 non sono stati esportati</source>
        <translation>Der Exportordner %1 (%2) existiert nicht: die Daten für den AS400 wurden nicht exportiert</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="115"/>
        <source>Il file %1 non è stato scritto: %2</source>
        <translation>Die Datei %1 wurde nicht geschrieben: %2</translation>
    </message>
</context>
<context>
    <name>Lots</name>
    <message>
        <location filename="../lots/lots.cpp" line="21"/>
        <source>&apos;%1&apos; non è un valore intero valido</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="82"/>
        <source>Nuova Bolla N:</source>
        <translation>Neuer Lieferschein Nr.:</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="86"/>
        <source>La bolla è stata registrata con il numero %1: il numero %2 è stato preso nel frattempo</source>
        <translation>Der Lieferschein wurde unter Nummer %1 gespeichert: Nummer %2 wurde inzwischen vergeben</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="129"/>
        <source>La bolla %1 non è più in archivio</source>
        <translation>Lieferschein %1 ist nicht mehr im Archiv</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="133"/>
        <source>Modifica Bolla N:</source>
        <translation>Lieferschein ändern Nr.:</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="150"/>
        <source>Cancellazione non possibile, Bolla precedente in corso.</source>
        <translation>Löschen nicht möglich, vorheriger Lieferschein in Bearbeitung.</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="153"/>
        <source>Cancellare archivio Bolle? non sarà possibile recuperarlo.</source>
        <translation>Lieferscheinarchiv löschen? Es kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="156"/>
        <source>Archivio Bolle cancellato!</source>
        <translation>Lieferscheinarchiv gelöscht!</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="176"/>
        <source>La data iniziale viene dopo quella finale</source>
        <translation>Das Anfangsdatum liegt nach dem Enddatum</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="180"/>
        <source>&lt;nuovo produttore&gt;</source>
        <translation>&lt;neuer Erzeuger&gt;</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="231"/>
        <source>Il produttore è stato registrato con il numero %1: il numero %2 è stato preso nel frattempo</source>
        <translation>Der Erzeuger wurde unter Nummer %1 gespeichert: Nummer %2 wurde inzwischen vergeben</translation>
    </message>
</context>
<context>
    <name>MainCycle</name>
    <message>
        <location filename="../sampling/maincycle.cpp" line="59"/>
        <source>Trasf. interrotto (%1 %)</source>
        <translation>Übertr. abgebrochen (%1 %)</translation>
    </message>
    <message>
        <location filename="../sampling/maincycle.cpp" line="76"/>
        <source>0 - Centralina off </source>
        <translation>0 - Steuerung aus </translation>
    </message>
</context>
<context>
    <name>PrintServerClient</name>
    <message>
        <location filename="../export/printserver.cpp" line="42"/>
        <source>server di stampa 127.0.0.1:%1 non raggiungibile: %2</source>
        <translation>Druckserver 127.0.0.1:%1 nicht erreichbar: %2</translation>
    </message>
</context>
<context>
    <name>Producers</name>
    <message>
        <location filename="../lots/producers.cpp" line="74"/>
        <source>Il produttore %1 non è più in archivio</source>
        <translation>Erzeuger %1 ist nicht mehr im Archiv</translation>
    </message>
</context>
<context>
    <name>ProgramCommands</name>
    <message>
        <location filename="../programs/programcommands.cpp" line="13"/>
        <source>Modifica programma N. </source>
        <translation>Programm ändern Nr. </translation>
    </message>
    <message>
        <location filename="../programs/programcommands.cpp" line="67"/>
        <source> Cancella Programma </source>
        <translation> Programm löschen </translation>
    </message>
    <message>
        <location filename="../programs/programcommands.cpp" line="73"/>
        <source>&apos;%1&apos; non è un valore intero valido</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <location filename="../programs/programcommands.cpp" line="75"/>
        <source>Il programma è quello corrente; non è possibile cancellarlo!</source>
        <translation>Das ist das aktuelle Programm; es kann nicht gelöscht werden!</translation>
    </message>
</context>
<context>
    <name>Programs</name>
    <message>
        <location filename="../programs/programs.cpp" line="99"/>
        <source>&apos;%1&apos; non è un valore intero valido (peso %2 della qualità %3)</source>
        <translation>„%1“ ist keine gültige ganze Zahl (Gewicht %2 der Qualität %3)</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="121"/>
        <source>Il codice %1 è stato usato nel frattempo da un&apos;altra stazione: il programma è salvato con il codice %2.</source>
        <translation>Der Code %1 wurde inzwischen von einer anderen Station belegt: das Programm ist unter dem Code %2 gespeichert.</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="169"/>
        <source>Il programma %1 non è presente nell&apos;archivio.</source>
        <translation>Programm %1 ist nicht im Archiv.</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="173"/>
        <source>Sono già memorizzati 99 programmi: cancellarne uno prima di crearne un altro.</source>
        <translation>Es sind bereits 99 Programme gespeichert: eines löschen, bevor ein neues angelegt wird.</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="176"/>
        <source>Programma %1 non presente in archivio</source>
        <translation>Programm %1 nicht im Archiv</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="249"/>
        <source>Il numero di programma %1 non può essere inviato alla centralina</source>
        <translation>Die Programmnummer %1 kann nicht an die Steuerung gesendet werden</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="251"/>
        <source>Il programma %1 non può essere inviato alla centralina: qualità %2, classe %3, %4 &apos;%5&apos; non valido (%6)</source>
        <translation>Programm %1 kann nicht an die Steuerung gesendet werden: Qualität %2, Klasse %3, %4 „%5“ ungültig (%6)</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="270"/>
        <source>peso minimo</source>
        <translation>Mindestgewicht</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="270"/>
        <source>peso massimo</source>
        <translation>Höchstgewicht</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="271"/>
        <source>ci vuole un numero intero da 0 a %1</source>
        <translation>eine ganze Zahl von 0 bis %1 ist nötig</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="284"/>
        <source>uscita %1</source>
        <translation>Ausgang %1</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="284"/>
        <source>ci vogliono due cifre</source>
        <translation>zwei Ziffern sind nötig</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="303"/>
        <source>Il programma %1 non è presente nell&apos;archivio: non è stato inviato alla centralina.</source>
        <translation>Programm %1 ist nicht im Archiv: es wurde nicht an die Steuerung gesendet.</translation>
    </message>
</context>
<context>
    <name>RejectUnit</name>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="7"/>
        <source>0-SCARTI off </source>
        <translation>0-AUSSCHUSS aus </translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="8"/>
        <source>? - errore scarti </source>
        <translation>? - Ausschussfehler </translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="12"/>
        <source>0 - SCARTI ON </source>
        <translation>0 - AUSSCHUSS EIN </translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="12"/>
        <source>1 - attesa scar.</source>
        <translation>1 - wartet auf Entladen</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="13"/>
        <source>2 - SCARICO</source>
        <translation>2 - ENTLADEN</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="13"/>
        <source>3 - ass. tara</source>
        <translation>3 - Tara erfassen</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="14"/>
        <source>4 - tara in corso</source>
        <translation>4 - Tarierung läuft</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="14"/>
        <source>5 - att. carico</source>
        <translation>5 - wartet auf Ladung</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="15"/>
        <source>6 - Carico Sing.</source>
        <translation>6 - Einzelladung</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="15"/>
        <source>7 - Ass. e Accum.</source>
        <translation>7 - Erfassen u. Summ.</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="16"/>
        <source>8 - Doppia Carico</source>
        <translation>8 - Doppelladung</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="16"/>
        <source>9 - Ass. Accum. Pos.</source>
        <translation>9 - Erf. Summ. Pos.</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <location filename="../reports/reportoutput.cpp" line="25"/>
        <source>la coda non accetta lavori</source>
        <translation>die Warteschlange nimmt keine Aufträge an</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="26"/>
        <source>la stampante è ferma</source>
        <translation>der Drucker ist angehalten</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="49"/>
        <source>Impossibile scrivere il file %1</source>
        <translation>Die Datei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="59"/>
        <source>Nessuna stampante installata: la stampa è nel file %1</source>
        <translation>Kein Drucker installiert: der Ausdruck steht in der Datei %1</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="102"/>
        <source>La stampa su %1 non è riuscita: %2</source>
        <translation>Der Druck auf %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="111"/>
        <source>la stampante non ha accettato il lavoro</source>
        <translation>der Drucker hat den Auftrag nicht angenommen</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <location filename="../reports/reports.cpp" line="83"/>
        <source>La bolla %1 non è più in archivio</source>
        <translation>Lieferschein %1 ist nicht mehr im Archiv</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="110"/>
        <source>Il programma %1 della bolla %2 non è in archivio: la bolla non può essere stampata</source>
        <translation>Programm %1 des Lieferscheins %2 ist nicht im Archiv: der Lieferschein kann nicht gedruckt werden</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="126"/>
        <source>errore programma in stampa</source>
        <translation>Programmfehler im Druck</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="133"/>
        <source>Non ci sono totali della bolla in corso da stampare</source>
        <translation>Es gibt keine Summen des laufenden Lieferscheins zum Drucken</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="213"/>
        <source>non abilitata</source>
        <translation>nicht aktiviert</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="221"/>
        <source>destra</source>
        <translation>rechts</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="221"/>
        <source>sinistra</source>
        <translation>links</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="274"/>
        <location filename="../reports/reports.cpp" line="282"/>
        <source> Stampa Programma </source>
        <translation> Programm drucken </translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="274"/>
        <source>Numero  Programmi</source>
        <translation>Anzahl Programme</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="304"/>
        <source>Il produttore %1 non ha bolle dal %2 al %3</source>
        <translation>Erzeuger %1 hat keine Lieferscheine vom %2 bis %3</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="312"/>
        <source>Stampa Installazione</source>
        <translation>Installation drucken</translation>
    </message>
</context>
<context>
    <name>RunCommands</name>
    <message>
        <location filename="../sampling/runcommands.cpp" line="26"/>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>Die Steuerung ist aus, bitte einschalten!</translation>
    </message>
    <message>
        <location filename="../sampling/runcommands.cpp" line="30"/>
        <source>I totali verranno azzerati, vuoi continuare ?</source>
        <translation>Die Summen werden auf null gesetzt, fortfahren?</translation>
    </message>
    <message>
        <location filename="../sampling/runcommands.cpp" line="135"/>
        <source>Produzione oraria = </source>
        <translation>Stundenleistung = </translation>
    </message>
    <message>
        <location filename="../sampling/runcommands.cpp" line="158"/>
        <source>Costo: %1 EUR</source>
        <translation>Kosten: %1 EUR</translation>
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
        <translation>Die Summen des laufenden Lieferscheins wurden nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../config/settingsstore.cpp" line="49"/>
        <source>Impossibile leggere il file delle impostazioni %1: %2</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="56"/>
        <source>Il file delle impostazioni %1 non è valido: %2</source>
        <translation>Die Einstellungsdatei %1 ist ungültig: %2</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="59"/>
        <source>non contiene un oggetto</source>
        <translation>enthält kein Objekt</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="149"/>
        <source>Il file delle impostazioni %1 non è leggibile: nessun valore è stato scritto</source>
        <translation>Die Einstellungsdatei %1 ist nicht lesbar: kein Wert wurde geschrieben</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="156"/>
        <source>Il file delle impostazioni %1 non è valido e non può essere messo da parte; nessun valore è stato scritto</source>
        <translation>Die Einstellungsdatei %1 ist ungültig und kann nicht beiseitegelegt werden; kein Wert wurde geschrieben</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="162"/>
        <source>Il file delle impostazioni non era valido ed è stato conservato come %1</source>
        <translation>Die Einstellungsdatei war ungültig und wurde als %1 aufbewahrt</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="181"/>
        <source>Impossibile scrivere %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <location filename="../app/station.cpp" line="240"/>
        <source>Costi del personale</source>
        <translation>Personalkosten</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="371"/>
        <source>Il registro eventi %1 non può essere scritto (%2): la stazione lavora senza registro</source>
        <translation>Das Ereignisprotokoll %1 kann nicht geschrieben werden (%2): die Station arbeitet ohne Protokoll</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="468"/>
        <source>Bolla temporanea non presente!</source>
        <translation>Kein vorläufiger Lieferschein vorhanden!</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="549"/>
        <source>Configurazione</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="577"/>
        <location filename="../app/station.cpp" line="696"/>
        <location filename="../app/station.cpp" line="811"/>
        <location filename="../app/station.cpp" line="843"/>
        <location filename="../app/station.cpp" line="927"/>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>Die Steuerung ist aus, bitte einschalten!</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="582"/>
        <source> Caricamento Programma </source>
        <translation> Programm laden </translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="590"/>
        <source>&apos;%1&apos; non è un codice di programma valido</source>
        <translation>„%1“ ist kein gültiger Programmcode</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="593"/>
        <source>Caricamento del programma %1</source>
        <translation>Programm %1 wird geladen</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="605"/>
        <source>Non c&apos;è un programma corrente da modificare.</source>
        <translation>Es gibt kein aktuelles Programm zum Ändern.</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="614"/>
        <source>Modifica programma N. </source>
        <translation>Programm ändern Nr. </translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="624"/>
        <source>Invio del programma alla centralina</source>
        <translation>Programm wird an die Steuerung gesendet</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="639"/>
        <source>Azzeramento dei totali</source>
        <translation>Nullstellen der Summen</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="644"/>
        <location filename="../app/station.cpp" line="786"/>
        <source>Lettura dei totali</source>
        <translation>Summen werden gelesen</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="700"/>
        <source>Lettura dei totali per la stampa</source>
        <translation>Summen für den Druck werden gelesen</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="732"/>
        <source>Esporta le bolle trovate</source>
        <translation>Gefundene Lieferscheine exportieren</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="735"/>
        <source>Testo per AS400 (*.txt)</source>
        <translation>Text für AS400 (*.txt)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="755"/>
        <source>Il programma di aggiornamento %1 non si avvia: la stazione resta aperta</source>
        <translation>Das Aktualisierungsprogramm %1 startet nicht: die Station bleibt geöffnet</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="762"/>
        <source>Vuoi esportare i dati verso AS400 ?</source>
        <translation>Daten zum AS400 exportieren?</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="814"/>
        <source>Fine lavorazione</source>
        <translation>Partieende</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="822"/>
        <source>Allarme qualità</source>
        <translation>Qualitätsalarm</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="839"/>
        <location filename="../app/station.cpp" line="1071"/>
        <location filename="../app/station.cpp" line="1102"/>
        <location filename="../app/station.cpp" line="1486"/>
        <source>Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione.</source>
        <translation>Prüfen, dass die Maschine leer ist, dann Ja drücken, um zu kalibrieren.</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="856"/>
        <source>Il coefficiente della linea %1 deve essere un numero intero da 1 a 9999</source>
        <translation>Der Faktor der Linie %1 muss eine ganze Zahl von 1 bis 9999 sein</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="872"/>
        <source>Coefficienti di calibrazione</source>
        <translation>Kalibrierfaktoren</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="895"/>
        <source>Il peso campione per linea deve essere da %1 a %2 grammi</source>
        <translation>Das Probengewicht je Linie muss zwischen %1 und %2 Gramm liegen</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="903"/>
        <source>Calibrazione</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="915"/>
        <source>Fine calibrazione</source>
        <translation>Ende der Kalibrierung</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="922"/>
        <source>Servizio</source>
        <translation>Service</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1021"/>
        <source>Test netto memorizzato</source>
        <translation>Test gespeichertes Netto</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1032"/>
        <location filename="../app/station.cpp" line="1059"/>
        <source>Fine test</source>
        <translation>Testende</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1038"/>
        <source>Termine Memorizzato non accettato!</source>
        <translation>Ende Gespeichert nicht angenommen!</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1049"/>
        <source>Test encoder</source>
        <translation>Drehgebertest</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1078"/>
        <source>Test magneti</source>
        <translation>Magnettest</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1086"/>
        <source>Fine test magneti</source>
        <translation>Ende des Magnettests</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1091"/>
        <source>La centralina non ha spento i magneti (U000): spegnere la macchina</source>
        <translation>Die Steuerung hat die Magnete nicht ausgeschaltet (U000): Maschine ausschalten</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1118"/>
        <source>Controllo tazze</source>
        <translation>Schalenkontrolle</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1127"/>
        <source>Fine controllo tazze</source>
        <translation>Ende der Schalenkontrolle</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1139"/>
        <source>Attenzione! nel quadro che segue è possibile alterare il funzionamento della macchina, si vuole proseguire?</source>
        <translation>Achtung! Im folgenden Fenster kann die Funktion der Maschine verändert werden. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1156"/>
        <source>Linea %1: inizio e fine della finestra di lettura devono essere numeri da 1 a %2, l&apos;inizio minore della fine</source>
        <translation>Linie %1: Anfang und Ende des Lesefensters müssen Zahlen von 1 bis %2 sein, der Anfang kleiner als das Ende</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1199"/>
        <location filename="../app/station.cpp" line="1248"/>
        <source>Fine oscilloscopio</source>
        <translation>Ende des Oszilloskops</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1224"/>
        <source>La linea va da 1 a 4 e la soglia da %1 a %2</source>
        <translation>Die Linie geht von 1 bis 4 und die Schwelle von %1 bis %2</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1236"/>
        <source>Oscilloscopio</source>
        <translation>Oszilloskop</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1250"/>
        <source>Fine funzione oscilloscopio... non eseguita!</source>
        <translation>Ende der Oszilloskopfunktion... nicht ausgeführt!</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1265"/>
        <source>Impossibile scrivere le tracce su %1: %2. Il salvataggio su file è stato tolto.</source>
        <translation>Die Kurven können nicht in %1 geschrieben werden: %2. Das Speichern in Datei wurde ausgeschaltet.</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1305"/>
        <source>Lingua</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1333"/>
        <source>Attenzione! le modifiche apportate nel quadro che segue possono alterare il funzionamento della macchina. Si vuole proseguire?</source>
        <translation>Achtung! Änderungen im folgenden Fenster können die Funktion der Maschine verändern. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1398"/>
        <source>Riavvio linee</source>
        <translation>Neustart der Leitungen</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1420"/>
        <source>COM%1 (unità scarti)</source>
        <translation>COM%1 (Ausschusseinheit)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1424"/>
        <source>COM%1 (lettore barcode)</source>
        <translation>COM%1 (Barcodeleser)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1428"/>
        <source>COM%1 (centralina)</source>
        <translation>COM%1 (Steuerung)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1439"/>
        <source>Com non disponibile nel computer: %1. La stazione continua senza questa linea e riprova ad aprirla.</source>
        <translation>COM-Anschluss am Computer nicht verfügbar: %1. Die Station arbeitet ohne diese Leitung weiter und versucht, sie erneut zu öffnen.</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1456"/>
        <source>Rinfresco totali</source>
        <translation>Summenaktualisierung</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1463"/>
        <source>Directory Esportazione AS400</source>
        <translation>AS400-Exportordner</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1465"/>
        <source>text file (*.txt)</source>
        <translation>Textdatei (*.txt)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1491"/>
        <source>Reset centralina</source>
        <translation>Zurücksetzen der Steuerung</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1505"/>
        <source>La tabella tara mostra al più %1 tazze: numtazze è %2</source>
        <translation>Die Taratabelle zeigt höchstens %1 Schalen: numtazze ist %2</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1515"/>
        <source>Lettura tabella tara</source>
        <translation>Taratabelle wird gelesen</translation>
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
        <translation>Aufruf: campionatrice [-o] [--unattended] | --create-database | --database-role
  -o             alte Steuerung: Leitung mit 9600 Baud, kurze Konfigurationszeile
                 (nur als erster Parameter)
  --unattended   beantwortet jede Meldung und jedes modale Fenster mit OK oder Ja und
                 schreibt den Text ins Ereignisprotokoll und auf die Standardfehlerausgabe
  --demo         Teststation: ein ohne Nummer abgeschlossener Lieferschein erhält die Nummer
                 DEMO und eine laufende Zahl, so werden die simulierten Proben archiviert
  --create-database  legt die fehlenden Tabellen in der Datenbank des Alias tavikdata an
                 (Abschnitt „databases“ der Einstellungen; ohne ihn die SQLite-Datei
                 tavikdata.sqlite des Arbeitsordners) und beendet sich
  --database-role  schreibt die SQL-Anweisung, die auf einem PostgreSQL-Server den Benutzer
                 anlegt, mit dem die Station auf das Archiv zugreift (für psql), und beendet sich
Der Arbeitsordner ist der aktuelle Ordner.
</translation>
    </message>
</context>
<context>
    <name>TCalibrazione_Linee</name>
    <message>
        <location filename="../service/calibration.cpp" line="64"/>
        <source>Calibrazione Linee</source>
        <translation>Linienkalibrierung</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="66"/>
        <source>Procedura Automatica</source>
        <translation>Automatisches Verfahren</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="68"/>
        <source>Peso Campione</source>
        <translation>Probengewicht</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="79"/>
        <source>Inizia</source>
        <translation>Starten</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="81"/>
        <source>Fine</source>
        <extracomment>button: ends the calibration under way (a verb)</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="90"/>
        <source>Procedura Manuale</source>
        <translation>Manuelles Verfahren</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="92"/>
        <source>Linea</source>
        <translation>Linie</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="92"/>
        <source>- N° -</source>
        <translation>- Nr. -</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="92"/>
        <source>- KAPPA -</source>
        <translation>- KAPPA -</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="92"/>
        <source>Peso</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="110"/>
        <source>Correzione errori</source>
        <translation>Fehlerkorrektur</translation>
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
        <translation>Übergewicht</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="115"/>
        <source>Sottopeso</source>
        <translation>Untergewicht</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="125"/>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="151"/>
        <source>calibrazione in corso...</source>
        <translation>Kalibrierung läuft...</translation>
    </message>
</context>
<context>
    <name>TDataModule1</name>
    <message>
        <location filename="../db/databaseacc.cpp" line="93"/>
        <source>Alias %1: manca il file del database SQLite</source>
        <translation>Alias %1: die SQLite-Datenbankdatei fehlt</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="102"/>
        <source>Alias %1 non valido: %2</source>
        <translation>Alias %1 ungültig: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="115"/>
        <source>Alias %1 non valido: %2 (atteso sqlite:FILE o postgresql://HOST:PORTA/DATABASE)</source>
        <translation>Alias %1 ungültig: %2 (erwartet sqlite:FILE oder postgresql://HOST:PORTA/DATABASE)</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="126"/>
        <source>L&apos;alias %1 nelle impostazioni non è un testo: %2</source>
        <translation>Der Alias %1 in den Einstellungen ist kein Text: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="183"/>
        <location filename="../db/databaseacc.cpp" line="297"/>
        <location filename="../db/databaseacc.cpp" line="708"/>
        <source>Errore del database sulla tabella %1: %2</source>
        <translation>Datenbankfehler in der Tabelle %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="328"/>
        <location filename="../db/databaseacc.cpp" line="677"/>
        <source>La connessione al database %1 si è interrotta; riprovare il comando</source>
        <translation>Die Verbindung zur Datenbank %1 wurde unterbrochen; Befehl wiederholen</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="336"/>
        <source>Impossibile iniziare una transazione sul database %1: %2</source>
        <translation>In der Datenbank %1 kann keine Transaktion begonnen werden: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="345"/>
        <source>Il database %1 non ha accettato le modifiche: %2</source>
        <translation>Die Datenbank %1 hat die Änderungen nicht angenommen: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="369"/>
        <source>Il database %1 non esiste: crearlo con &quot;campionatrice --create-database&quot;</source>
        <translation>Die Datenbank %1 existiert nicht: mit „campionatrice --create-database“ anlegen</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="373"/>
        <source>Il driver di database %1 non è installato</source>
        <translation>Der Datenbanktreiber %1 ist nicht installiert</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="403"/>
        <source>Impossibile aprire il database %1: %2</source>
        <translation>Die Datenbank %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="419"/>
        <source>Impossibile usare il database %1: %2</source>
        <translation>Die Datenbank %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="473"/>
        <source>Impossibile leggere il database %1: %2</source>
        <translation>Die Datenbank %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="486"/>
        <source>Creazione della tabella %1 non riuscita: %2</source>
        <translation>Die Tabelle %1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="598"/>
        <source>Il valore %1 non entra nel campo %2</source>
        <translation>Der Wert %1 passt nicht in das Feld %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="672"/>
        <source>La tabella %1 non è in modifica</source>
        <translation>Die Tabelle %1 wird nicht bearbeitet</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="731"/>
        <source>La tabella %1 non esiste nel database</source>
        <translation>Die Tabelle %1 existiert nicht in der Datenbank</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="941"/>
        <source>La tabella %1 non ha un record corrente da modificare</source>
        <translation>Die Tabelle %1 hat keinen aktuellen Datensatz zum Ändern</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="987"/>
        <source>&apos;%1&apos; non è un valore intero valido per il campo %2</source>
        <translation>„%1“ ist keine gültige ganze Zahl für das Feld %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="996"/>
        <source>&apos;%1&apos; non è un numero valido per il campo %2</source>
        <translation>„%1“ ist keine gültige Zahl für das Feld %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1004"/>
        <source>&apos;%1&apos; non è una data valida per il campo %2</source>
        <translation>„%1“ ist kein gültiges Datum für das Feld %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1027"/>
        <source>Il campo &apos;%1&apos; della tabella %2 deve avere un valore</source>
        <translation>Das Feld „%1“ der Tabelle %2 muss einen Wert haben</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1062"/>
        <source>Nessun numero libero nella tabella %1: altre stazioni la cambiano senza sosta</source>
        <translation>Keine freie Nummer in der Tabelle %1: andere Stationen ändern sie ständig</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1069"/>
        <source>Il record della tabella %1 contiene un valore non valido e non è stato salvato</source>
        <translation>Der Datensatz der Tabelle %1 enthält einen ungültigen Wert und wurde nicht gespeichert</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1112"/>
        <source>Il record della tabella %1 è stato modificato o cancellato da un&apos;altra stazione: la modifica non è stata salvata. Rileggere i dati e riprovare.</source>
        <translation>Der Datensatz der Tabelle %1 wurde von einer anderen Station geändert oder gelöscht: die Änderung wurde nicht gespeichert. Daten neu lesen und erneut versuchen.</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1131"/>
        <source>La tabella %1 non ha un record corrente da cancellare</source>
        <translation>Die Tabelle %1 hat keinen aktuellen Datensatz zum Löschen</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1152"/>
        <source>Il record della tabella %1 è stato modificato o cancellato da un&apos;altra stazione: non è stato cancellato.</source>
        <translation>Der Datensatz der Tabelle %1 wurde von einer anderen Station geändert oder gelöscht: er wurde nicht gelöscht.</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1190"/>
        <source>La tabella %1 non ha il campo %2</source>
        <translation>Die Tabelle %1 hat kein Feld %2</translation>
    </message>
</context>
<context>
    <name>TErr_map</name>
    <message>
        <location filename="../reject/errmap.cpp" line="10"/>
        <source>Programma Peso = 0</source>
        <translation>Programm Gewicht = 0</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="11"/>
        <source>Set-Up Singola/Doppia</source>
        <translation>Einstellung einfach/doppelt</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="12"/>
        <source>Set-Up i due rele di carico = 0</source>
        <translation>Einstellung: beide Laderelais = 0</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="13"/>
        <source>Set-Up i due rele di scarico = 0</source>
        <translation>Einstellung: beide Entladerelais = 0</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="14"/>
        <source>Set-Up k-Peso = 0</source>
        <translation>Einstellung: Gewichtsfaktor = 0</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="15"/>
        <source>rele Scarico Destro non assegnato</source>
        <translation>rechtes Entladerelais nicht zugeordnet</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="16"/>
        <source>rele Scarico Sinistro non assegnato</source>
        <translation>linkes Entladerelais nicht zugeordnet</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="17"/>
        <source>Doppia manca 1 rele o 1 sensore di carico</source>
        <translation>Doppelt: 1 Relais oder 1 Lastsensor fehlt</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="18"/>
        <source>comandi J/K errati</source>
        <translation>falsche J/K-Befehle</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="19"/>
        <source>Ciclo On Tara valore errato</source>
        <translation>Tara-Zyklus: falscher Wert</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="20"/>
        <source>seriale Ricezione buffer pieno</source>
        <translation>seriell: Empfangspuffer voll</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="21"/>
        <source>seriale Trasmissione Time-Out</source>
        <translation>seriell: Sende-Timeout</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="30"/>
        <source>Errori Centralina Scarti</source>
        <translation>Fehler der Ausschusseinheit</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="61"/>
        <source>Codici di errore sconosciuti: %1</source>
        <translation>Unbekannte Fehlercodes: %1</translation>
    </message>
</context>
<context>
    <name>TImpAzienda</name>
    <message>
        <location filename="../lots/costs.cpp" line="192"/>
        <source>Impostazione Azienda</source>
        <translation>Firmeneinstellungen</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="194"/>
        <source>Intestazione Azienda</source>
        <translation>Firmenkopf</translation>
    </message>
</context>
<context>
    <name>TImpCosti</name>
    <message>
        <location filename="../lots/costs.cpp" line="96"/>
        <source>Categoria %1: il numero di persone deve essere un numero intero da 0 a %2</source>
        <translation>Kategorie %1: die Personenzahl muss eine ganze Zahl von 0 bis %2 sein</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="100"/>
        <source>Categoria %1: il costo orario deve essere da 0 a %2 lire (%3 EUR)</source>
        <translation>Kategorie %1: die Stundenkosten müssen zwischen 0 und %2 Lire (%3 EUR) liegen</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="111"/>
        <source>Impostazione Costi</source>
        <translation>Kosteneinstellungen</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="114"/>
        <source>N. Persone</source>
        <translation>Anzahl Personen</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="115"/>
        <source>Costo Orario</source>
        <translation>Stundenkosten</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="129"/>
        <source>Categoria %1</source>
        <translation>Kategorie %1</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="158"/>
        <source>Costo orario complessivo</source>
        <translation>Gesamte Stundenkosten</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="161"/>
        <source>Costo / Minuto</source>
        <translation>Kosten / Minute</translation>
    </message>
</context>
<context>
    <name>TInstallazione</name>
    <message>
        <location filename="../setup/installation.cpp" line="41"/>
        <source>%1: scrivere un numero da %2 a %3 (ora &quot;%4&quot;)</source>
        <translation>%1: eine Zahl von %2 bis %3 eingeben (jetzt „%4“)</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="89"/>
        <location filename="../setup/installation.cpp" line="261"/>
        <source>ritardo FC</source>
        <translation>Verzögerung PE</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="91"/>
        <location filename="../setup/installation.cpp" line="198"/>
        <source>Durata Att.</source>
        <translation>Aktiv.-Dauer</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="93"/>
        <location filename="../setup/installation.cpp" line="245"/>
        <source>Rit. Tara</source>
        <translation>Tara-Verz.</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="94"/>
        <location filename="../setup/installation.cpp" line="257"/>
        <source>Dist. FC</source>
        <translation>Abst. PE</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="95"/>
        <location filename="../setup/installation.cpp" line="259"/>
        <source>Durata FC</source>
        <translation>Dauer PE</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="97"/>
        <source>Distanza Uscite, Us. %1</source>
        <translation>Ausgangsabstände, Ausg. %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="98"/>
        <location filename="../setup/installation.cpp" line="214"/>
        <source>Apertura Magneti</source>
        <translation>Magnetöffnung</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="99"/>
        <location filename="../setup/installation.cpp" line="212"/>
        <source>Fase Zero Encoder</source>
        <translation>Nullphase des Drehgebers</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="101"/>
        <source>Lettura I, Linea %1</source>
        <translation>Lesen Anfang, Linie %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="102"/>
        <source>Lettura F, Linea %1</source>
        <translation>Lesen Ende, Linie %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="105"/>
        <source>Lettura I/F, Linea %1: l&apos;inizio (%2) deve venire prima della fine (%3)</source>
        <translation>Lesen A/E, Linie %1: der Anfang (%2) muss vor dem Ende (%3) liegen</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="109"/>
        <source>K-peso, Linea %1</source>
        <translation>Gewichtsfaktor, Linie %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="113"/>
        <location filename="../setup/installation.cpp" line="249"/>
        <source>Numero Tazze/L.</source>
        <translation>Schalen je Linie</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="163"/>
        <source>non abilitata</source>
        <translation>nicht aktiviert</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="171"/>
        <source>Installazione</source>
        <translation>Installation</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="177"/>
        <source>Macchina</source>
        <translation>Maschine</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="179"/>
        <source>Seriale Centralina</source>
        <translation>Serielle Schnittst. Steuerung</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="179"/>
        <source>Seriale S. Barcode</source>
        <translation>Serielle Schnittst. Barcode</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="179"/>
        <source>Seriale S. Scarti</source>
        <translation>Serielle Schnittst. Ausschuss</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="190"/>
        <source>variabile</source>
        <translation>variabel</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="190"/>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="192"/>
        <source>Numero linee</source>
        <translation>Anzahl Linien</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="194"/>
        <source>Numero Uscite</source>
        <translation>Anzahl Ausgänge</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="196"/>
        <source>Tipo attiv. Magn.</source>
        <translation>Magnetansteuerung</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="203"/>
        <source>verso rotazione encoder</source>
        <translation>Drehrichtung des Drehgebers</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="208"/>
        <source>Parametri Pesatura</source>
        <translation>Wiegeparameter</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="217"/>
        <source>Qualità%1</source>
        <translation>Qualität %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="219"/>
        <source>Linea %1</source>
        <translation>Linie %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="231"/>
        <source>Lettura I/F</source>
        <translation>Lesen A/E</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="232"/>
        <source>K-peso</source>
        <translation>Gewichtsfaktor</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="233"/>
        <source>Qualita linee</source>
        <translation>Qualität je Linie</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="238"/>
        <source>Sistema Tara</source>
        <translation>Tarasystem</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="241"/>
        <source>TARA/LINEA</source>
        <translation>TARA/LINIE</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="241"/>
        <source>TARA/TAZZA</source>
        <translation>TARA/SCHALE</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="242"/>
        <source>TARA INC.(%1gr)</source>
        <translation>TARA INKR.(%1g)</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="247"/>
        <source>Tipo Tara</source>
        <translation>Taraart</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="252"/>
        <source>Fine Campione</source>
        <translation>Probenende</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="267"/>
        <source>Uscite</source>
        <translation>Ausgänge</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="269"/>
        <source>Distanza Uscite</source>
        <translation>Ausgangsabstände</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="273"/>
        <source>Us. %1</source>
        <translation>Ausg. %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="281"/>
        <source>Stampa</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="284"/>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="310"/>
        <source>orario</source>
        <translation>im Uhrzeigersinn</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="310"/>
        <source>antiorario</source>
        <translation>gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="330"/>
        <source>60% /3 Passi</source>
        <translation>60% /3 Schritte</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="330"/>
        <source>100% /3 Passi</source>
        <translation>100% /3 Schritte</translation>
    </message>
</context>
<context>
    <name>TListaBolla</name>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="8"/>
        <source>Lista Bolle</source>
        <translation>Lieferscheinliste</translation>
    </message>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="8"/>
        <source>Numero  Bolle</source>
        <translation>Anzahl Lieferscheine</translation>
    </message>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="8"/>
        <source>Selezionare la Bolla</source>
        <translation>Lieferschein wählen</translation>
    </message>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="12"/>
        <source>Partita</source>
        <extracomment>check box: print the lot projected onto its whole quantity</extracomment>
        <translation>Partie</translation>
    </message>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="14"/>
        <source>Scarto</source>
        <translation>Ausschuss</translation>
    </message>
</context>
<context>
    <name>TListaProduttori</name>
    <message>
        <location filename="../lots/producers.cpp" line="100"/>
        <location filename="../lots/producers.cpp" line="106"/>
        <source>Lista Produttori</source>
        <translation>Erzeugerliste</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="100"/>
        <source>Numero  Produttori</source>
        <translation>Anzahl Erzeuger</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="101"/>
        <source>Selezionare il produttore</source>
        <translation>Erzeuger wählen</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="106"/>
        <source>Numero Produttori</source>
        <translation>Anzahl Erzeuger</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="106"/>
        <source>selezionare il produttore</source>
        <translation>Erzeuger wählen</translation>
    </message>
</context>
<context>
    <name>TListaProgrammi</name>
    <message>
        <location filename="../programs/tlistaprogrammi.cpp" line="4"/>
        <source>Lista Programmi</source>
        <translation>Programmliste</translation>
    </message>
    <message>
        <location filename="../programs/tlistaprogrammi.cpp" line="4"/>
        <source>Numero  Programmi</source>
        <translation>Anzahl Programme</translation>
    </message>
    <message>
        <location filename="../programs/tlistaprogrammi.cpp" line="6"/>
        <source>Selezionare il programma: un clic o Invio lo sceglie, Esc annulla</source>
        <translation>Programm wählen: Klick oder Eingabe wählt es, Esc bricht ab</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <location filename="../app/station.cpp" line="1295"/>
        <source>Morvel Campionatrice</source>
        <translation>Morvel Probensortierer</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="171"/>
        <source>&amp;Lavorazione</source>
        <translation>&amp;Betrieb</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="180"/>
        <source>Programma  (F2)</source>
        <translation>Programm  (F2)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="182"/>
        <source>&amp;Modifica P/U  (F6)</source>
        <translation>&amp;Gewichte/Ausgänge ändern  (F6)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="183"/>
        <source>&amp;Azzeramento   (F8)</source>
        <translation>&amp;Nullstellen   (F8)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="184"/>
        <source>&amp;Dati   (F3)</source>
        <translation>&amp;Daten   (F3)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="185"/>
        <source>&amp;Totali</source>
        <translation>&amp;Summen</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="186"/>
        <source>&amp;Stampa   (F7)</source>
        <translation>&amp;Drucken   (F7)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="187"/>
        <source>&amp;Fine Lavorazione (F9)</source>
        <translation>&amp;Partieende (F9)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="189"/>
        <source>&amp;Programmi</source>
        <translation>&amp;Programme</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="197"/>
        <location filename="../app/tmain.cpp" line="215"/>
        <location filename="../app/tmain.cpp" line="229"/>
        <source>&amp;Modifica</source>
        <translation>&amp;Ändern</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="198"/>
        <location filename="../app/tmain.cpp" line="230"/>
        <source>&amp;Nuovo</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="199"/>
        <source>Co&amp;pia</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="200"/>
        <location filename="../app/tmain.cpp" line="217"/>
        <location filename="../app/tmain.cpp" line="231"/>
        <source>&amp;Cancella</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="201"/>
        <location filename="../app/tmain.cpp" line="218"/>
        <location filename="../app/tmain.cpp" line="232"/>
        <source>&amp;Stampa</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="205"/>
        <source>Control dbase</source>
        <translation>Datenbankprüfung</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="213"/>
        <source>&amp;Bolle</source>
        <translation>&amp;Lieferscheine</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="216"/>
        <source>&amp;Nuova</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="220"/>
        <source>&amp;Opzioni Archivio</source>
        <translation>&amp;Archivoptionen</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="222"/>
        <source>esporta per Date</source>
        <translation>nach Datum exportieren</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="223"/>
        <source>esporta giornaliero</source>
        <translation>Tagesexport</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="225"/>
        <source>&amp;Azzeramento Bolle</source>
        <translation>Lieferscheine &amp;leeren</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="227"/>
        <source>Pro&amp;duttori</source>
        <translation>&amp;Erzeuger</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="235"/>
        <source>&amp;Azzera Produttori</source>
        <translation>Erzeuger &amp;leeren</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="238"/>
        <location filename="../app/tmain.cpp" line="240"/>
        <source>&amp;Fine</source>
        <extracomment>menu: leaving the program</extracomment>
        <translation>&amp;Beenden</translation>
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
        <translation>&amp;Sortiermaschine</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="249"/>
        <source>&amp;Programma</source>
        <translation>&amp;Programm</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="251"/>
        <source>&amp;Salva su Penna USB</source>
        <translation>Auf USB-Stick &amp;sichern</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="254"/>
        <source>&amp;Ripristina da Penna USB</source>
        <translation>Von USB-Stick &amp;wiederherstellen</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="258"/>
        <source>&amp;Assistenza</source>
        <translation>&amp;Kundendienst</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="261"/>
        <source>Controllo CE&amp;LLE</source>
        <translation>WÄGE&amp;ZELLEN prüfen</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="262"/>
        <source>&amp;Memorizzato</source>
        <translation>&amp;Gespeichert</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="263"/>
        <source>&amp;Encoder</source>
        <translation>&amp;Drehgeber</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="264"/>
        <source>&amp;Test Magneti</source>
        <translation>&amp;Magnettest</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="265"/>
        <source>Co&amp;ntrollo Tazze</source>
        <translation>Schalen&amp;kontrolle</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="266"/>
        <source>&amp;Calibrazione</source>
        <translation>&amp;Kalibrierung</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="267"/>
        <source>Ta&amp;bella Tara</source>
        <translation>Tara&amp;tabelle</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="268"/>
        <source>&amp;Oscilloscopio</source>
        <translation>&amp;Oszilloskop</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="269"/>
        <source>&amp;Reset Centralina</source>
        <translation>Steuerung &amp;zurücksetzen</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="271"/>
        <source>Co&amp;ntrollo Remoto</source>
        <translation>&amp;Fernsteuerung</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="275"/>
        <source>&amp;Settaggi</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="276"/>
        <source>&amp;Connesione</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="277"/>
        <source>&amp;Disconnetti</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="279"/>
        <source>Aggiorna Tempi Scarti</source>
        <translation>Ausschusszeiten aktualisieren</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="280"/>
        <source>Mappa errori Kestin</source>
        <translation>Kestin-Fehlerübersicht</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="282"/>
        <source>Costi personale</source>
        <translation>Personalkosten</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="283"/>
        <source>Dati azienda</source>
        <translation>Firmendaten</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="287"/>
        <source>&amp;Lingua</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="289"/>
        <source>Italiano</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="289"/>
        <source>Spagnolo</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="289"/>
        <source>Portoghese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="289"/>
        <source>Inglese</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="290"/>
        <source>Francese</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="290"/>
        <source>Tedesco</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="290"/>
        <source>Greco</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="297"/>
        <source>Cinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="297"/>
        <source>Russo</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="298"/>
        <source>Indiano</source>
        <translation>Indisch</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="305"/>
        <source>&amp;Aiuto</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="307"/>
        <source>&amp;Controllo Aggiornamenti On-line</source>
        <translation>Nach &amp;Aktualisierungen suchen</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="322"/>
        <source>Calibro</source>
        <translation>Kaliber</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="322"/>
        <source>Peso</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="322"/>
        <source>Totale</source>
        <translation>Summe</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="323"/>
        <source>Percentuale</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="363"/>
        <location filename="../app/tmain.cpp" line="399"/>
        <source>Qualita %1</source>
        <translation>Qualität %1</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="401"/>
        <source>TOTALE</source>
        <translation>GESAMT</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="411"/>
        <source>Bolla</source>
        <extracomment>the delivery note of the lot being sampled</extracomment>
        <translation>Lieferschein</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="419"/>
        <source>Numero Bolla:</source>
        <translation>Lieferschein-Nr.:</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="421"/>
        <source>Totale Partita kg:</source>
        <translation>Partiesumme kg:</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="423"/>
        <source>Preview stampa</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="429"/>
        <source>Macchina</source>
        <translation>Maschine</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="435"/>
        <source>tazze sbagliate</source>
        <translation>fehlerhafte Schalen</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="440"/>
        <source>Tazza</source>
        <translation>Schale</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="444"/>
        <source>Blocco Alimentazione</source>
        <translation>Zuführung gesperrt</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="459"/>
        <source>lista Barcode </source>
        <translation>Barcodeliste </translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="626"/>
        <source>Programma %1</source>
        <translation>Programm %1</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="627"/>
        <source>non in archivio</source>
        <translation>nicht im Archiv</translation>
    </message>
</context>
<context>
    <name>TModDati</name>
    <message>
        <location filename="../lots/tmoddati.cpp" line="14"/>
        <source>Dati Bolla</source>
        <translation>Lieferscheindaten</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="33"/>
        <source>Bolla ritiro N:</source>
        <translation>Annahmeschein Nr.:</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="34"/>
        <source>Totale Partita kg:</source>
        <translation>Partiesumme kg:</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="37"/>
        <source>Produttore</source>
        <translation>Erzeuger</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="39"/>
        <source>Cambia</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="46"/>
        <source>Codice :</source>
        <translation>Code :</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="47"/>
        <source>Descrizione :</source>
        <translation>Beschreibung :</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="50"/>
        <source>Note :</source>
        <translation>Notizen :</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="53"/>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>TNewBolla</name>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="52"/>
        <location filename="../lots/tnewbolla.cpp" line="73"/>
        <source>Bolla</source>
        <translation>Lieferschein</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="59"/>
        <source>Programma</source>
        <translation>Programm</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="85"/>
        <source>Numero :</source>
        <translation>Nummer :</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="87"/>
        <source>Data Bolla</source>
        <translation>Lieferscheindatum</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="92"/>
        <source>Produttore</source>
        <translation>Erzeuger</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="97"/>
        <source>Cambia</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="102"/>
        <source>Codice :</source>
        <translation>Code :</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="110"/>
        <source>Note</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="118"/>
        <source>Tot Partita</source>
        <translation>Partiesumme</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="127"/>
        <source>Codice a Barre</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="138"/>
        <source>Ripartizione Calibri</source>
        <translation>Kaliberverteilung</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="147"/>
        <source>Calibro</source>
        <translation>Kaliber</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="147"/>
        <source>Peso</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="147"/>
        <source>Totale</source>
        <translation>Summe</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="147"/>
        <source>Percentuale</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="173"/>
        <location filename="../lots/tnewbolla.cpp" line="182"/>
        <source>Qualita %1</source>
        <translation>Qualität %1</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="182"/>
        <source>TOTALE</source>
        <translation>GESAMT</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="201"/>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="206"/>
        <source>Ricalcolo</source>
        <translation>Neuberechnung</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="208"/>
        <source>Partita</source>
        <translation>Partie</translation>
    </message>
</context>
<context>
    <name>TNewProgram</name>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="36"/>
        <source>Nuovo programma</source>
        <translation>Neues Programm</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="45"/>
        <source>Descrizione</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="47"/>
        <source>Codice</source>
        <translation>Code</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="60"/>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="87"/>
        <source>Pesi Qualita %1</source>
        <translation>Gewichte Qualität %1</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="91"/>
        <source>Classe</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="92"/>
        <source>Calibro</source>
        <translation>Kaliber</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="93"/>
        <source>Peso minimo</source>
        <translation>Mindestgewicht</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="94"/>
        <source>Peso massimo</source>
        <translation>Höchstgewicht</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="95"/>
        <source>Uscita %1</source>
        <translation>Ausgang %1</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="246"/>
        <source>&apos;%1&apos; non è un valore intero valido</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>TParProg</name>
    <message>
        <location filename="../setup/installation.cpp" line="439"/>
        <source>Parametri  Programma</source>
        <translation>Programmparameter</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="441"/>
        <source>Flag Generali</source>
        <translation>Allgemeine Optionen</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="449"/>
        <source>Archiviazione</source>
        <translation>Archivierung</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="450"/>
        <source>Stampa grammature</source>
        <translation>Gewichte drucken</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="451"/>
        <source>Trasmis. al remoto</source>
        <translation>An Host senden</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="452"/>
        <source>Stampa Bolla</source>
        <translation>Lieferschein drucken</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="453"/>
        <source>Fine Partita Autom.</source>
        <translation>Autom. Partieende</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="454"/>
        <source>Totali espressi in</source>
        <translation>Summen in</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="456"/>
        <source>grammi</source>
        <translation>Gramm</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="456"/>
        <source>Kilogrammi</source>
        <translation>Kilogramm</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="467"/>
        <source>Numero Copie Bolle</source>
        <translation>Anzahl Lieferscheinkopien</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="477"/>
        <source>Auto Rinfresco Totali</source>
        <translation>Automatische Summenaktualisierung</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="482"/>
        <source>Avviso limite Percentuale raggiunta</source>
        <translation>Warnung bei erreichter Prozentgrenze</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="493"/>
        <source>Limite Perc. Q%1</source>
        <translation>Grenze % Q%1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="501"/>
        <source>Directory esp-AS400</source>
        <translation>AS400-Exportordner</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="505"/>
        <source>Sfoglia..</source>
        <translation>Durchsuchen..</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="511"/>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>TPeriodoStampa</name>
    <message>
        <location filename="../reports/reports.cpp" line="38"/>
        <source>Periodo</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="49"/>
        <source>Dal</source>
        <translation>Von</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="50"/>
        <source>Al</source>
        <translation>Bis</translation>
    </message>
</context>
<context>
    <name>TProduttori</name>
    <message>
        <location filename="../lots/producers.cpp" line="111"/>
        <source>Dato Produttore</source>
        <translation>Erzeugerdaten</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="121"/>
        <source>codice produttore</source>
        <translation>Erzeugercode</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="122"/>
        <source>descrizione produttore</source>
        <translation>Erzeugerbeschreibung</translation>
    </message>
</context>
<context>
    <name>TRicercaBolle</name>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="20"/>
        <source>Ricerca Bolle</source>
        <translation>Lieferscheinsuche</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="22"/>
        <source>Cerca le bolle</source>
        <translation>Lieferscheine suchen</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="24"/>
        <source>Dal</source>
        <translation>Von</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="41"/>
        <source>al</source>
        <translation>bis</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="47"/>
        <source>Cambia</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="55"/>
        <source>Produttore</source>
        <translation>Erzeuger</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="66"/>
        <source>Bolla N.</source>
        <translation>Lieferschein Nr.</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="68"/>
        <source>Programma</source>
        <translation>Programm</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="70"/>
        <source>Cerca</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="78"/>
        <source>Numero  Bolle</source>
        <translation>Anzahl Lieferscheine</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="101"/>
        <source>Esporta per AS400</source>
        <translation>Für AS400 exportieren</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="103"/>
        <source>Stampa</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="104"/>
        <source>Apri</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="142"/>
        <source>(tutti)</source>
        <translation>(alle)</translation>
    </message>
</context>
<context>
    <name>TTestCelle</name>
    <message>
        <location filename="../service/machinetests.cpp" line="84"/>
        <source>Test Celle</source>
        <translation>Wägezellentest</translation>
    </message>
</context>
<context>
    <name>TTestEncoder</name>
    <message>
        <location filename="../service/machinetests.cpp" line="112"/>
        <source>Test Encoder</source>
        <translation>Drehgebertest</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="116"/>
        <source>N. Giro</source>
        <translation>Umdrehung Nr.</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="118"/>
        <source>Valore</source>
        <translation>Wert</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="120"/>
        <source>Ultimo Errore</source>
        <translation>Letzter Fehler</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="120"/>
        <source>Penultimo Errore</source>
        <translation>Vorletzter Fehler</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="120"/>
        <source>Terzultimo Errore</source>
        <translation>Drittletzter Fehler</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="121"/>
        <source>Quartultimo Errore</source>
        <translation>Viertletzter Fehler</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="121"/>
        <source>Quintultimo Errore</source>
        <translation>Fünftletzter Fehler</translation>
    </message>
</context>
<context>
    <name>TTestMagneti</name>
    <message>
        <location filename="../service/machinetests.cpp" line="131"/>
        <source>Test Magneti</source>
        <translation>Magnettest</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="137"/>
        <source>Uscita N.</source>
        <translation>Ausgang Nr.</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="144"/>
        <source>Inizio</source>
        <extracomment>button: starts the test of the chosen exit (a verb)</extracomment>
        <translation>Starten</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="154"/>
        <source>Test Dinamico</source>
        <translation>Dynamischer Test</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="155"/>
        <source>Test Statico</source>
        <translation>Statischer Test</translation>
    </message>
</context>
<context>
    <name>TTestMem</name>
    <message>
        <location filename="../service/machinetests.cpp" line="95"/>
        <source>TEST NETTO MEMORIZZATO</source>
        <translation>TEST GESPEICHERTES NETTO</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="97"/>
        <source>N. TAZZA</source>
        <translation>SCHALE NR.</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="97"/>
        <source>TARA</source>
        <translation>TARA</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="97"/>
        <source>NETTO</source>
        <translation>NETTO</translation>
    </message>
</context>
<context>
    <name>TTestOscilloscopio</name>
    <message>
        <location filename="../service/oscilloscope.cpp" line="131"/>
        <source>Funzione Oscilloscopio</source>
        <translation>Oszilloskopfunktion</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="137"/>
        <source>Linea in esame</source>
        <translation>Geprüfte Linie</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="143"/>
        <source>Tazza</source>
        <translation>Schale</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="146"/>
        <source>minimo</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="149"/>
        <source>massimo</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="152"/>
        <source>Soglia lnnesco</source>
        <translation>Auslöseschwelle</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="160"/>
        <source>Finestre di lettura</source>
        <translation>Lesefenster</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="163"/>
        <source>Inizio</source>
        <extracomment>column heading: the sample where the reading window starts</extracomment>
        <translation>Anfang</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="165"/>
        <source>Fine</source>
        <extracomment>column heading: the sample where the reading window ends</extracomment>
        <translation>Ende</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="167"/>
        <source>L %1</source>
        <translation>L %1</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="177"/>
        <source>Regolazione Fase</source>
        <translation>Phaseneinstellung</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="179"/>
        <source>Fase Zero</source>
        <translation>Nullphase</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="184"/>
        <source>Aggiorna</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="188"/>
        <source>Salva su File</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="192"/>
        <source>Copertura</source>
        <translation>Abdeckung</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="202"/>
        <source>Cattura</source>
        <translation>Erfassen</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="203"/>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="204"/>
        <source>Globale</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="216"/>
        <source>finestra di lettura</source>
        <translation>Lesefenster</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="219"/>
        <source>fuori finestra</source>
        <translation>außerhalb des Fensters</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="229"/>
        <source>campione</source>
        <translation>Messpunkt</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="234"/>
        <source>peso (g)</source>
        <translation>Gewicht (g)</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="267"/>
        <location filename="../service/oscilloscope.cpp" line="272"/>
        <source>cattura</source>
        <translation>erfassen</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="272"/>
        <source>Ferma</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="301"/>
        <source>Tracce senza tazza valida: %1</source>
        <translation>Kurven ohne gültige Schale: %1</translation>
    </message>
</context>
<context>
    <name>TTestTazzeVuote</name>
    <message>
        <location filename="../service/machinetests.cpp" line="160"/>
        <source>Test Tazze Vuote</source>
        <translation>Leerschalentest</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="163"/>
        <source>Numero Tazza</source>
        <translation>Schalennummer</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="164"/>
        <source>Valore</source>
        <translation>Wert</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="166"/>
        <source>L %1</source>
        <translation>L %1</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="174"/>
        <source>Limite +/-</source>
        <translation>Grenze +/-</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="184"/>
        <source>Inizio</source>
        <extracomment>button: starts the empty-cup test (a verb)</extracomment>
        <translation>Starten</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="190"/>
        <source>Questa fuzione serve a localizzare Tazze / Carrelli difettosi.
Le tazze che a vuoto si discostano oltre il limite impostato sia in 
positivo che in negativo saranno attivate sull&apos;uscita 1</source>
        <translation>Diese Funktion dient zum Auffinden defekter Schalen / Wagen.
Schalen, die leer die eingestellte Grenze nach oben oder 
unten überschreiten, werden an Ausgang 1 ausgeworfen</translation>
    </message>
</context>
<context>
    <name>Texpfiltdata</name>
    <message>
        <location filename="../export/expfildata.cpp" line="171"/>
        <source>Esporta Bolle con filtro per DATA</source>
        <translation>Lieferscheine nach DATUM exportieren</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="183"/>
        <source>Data inizio</source>
        <translation>Anfangsdatum</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="184"/>
        <source>Data Fine</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="185"/>
        <source>ESPORTA</source>
        <translation>EXPORTIEREN</translation>
    </message>
</context>
<context>
    <name>Tpasswd</name>
    <message>
        <location filename="../setup/installation.cpp" line="380"/>
        <source>Password Accesso Servizio</source>
        <translation>Service-Zugangspasswort</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="382"/>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="387"/>
        <source>Entra</source>
        <translation>Anmelden</translation>
    </message>
</context>
<context>
    <name>TrasfView</name>
    <message>
        <location filename="../service/machinetests.cpp" line="206"/>
        <source>Trasferimento dati</source>
        <translation>Datenübertragung</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="209"/>
        <source>Trasferimento dati in corso...</source>
        <translation>Datenübertragung läuft...</translation>
    </message>
</context>
<context>
    <name>Ttabtara</name>
    <message>
        <location filename="../service/machinetests.cpp" line="220"/>
        <source>TABELLA TARA</source>
        <translation>TARATABELLE</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="226"/>
        <source>Tazza</source>
        <translation>Schale</translation>
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
        <translation>Aktualisieren</translation>
    </message>
</context>
<context>
    <name>cSelvik</name>
    <message>
        <location filename="../link/cSelvik.cpp" line="333"/>
        <source>Il comando R non ha ricevuto una risposta corretta</source>
        <translation>Der Befehl R hat keine korrekte Antwort erhalten</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="456"/>
        <source>0 - Accesa    </source>
        <translation>0 - Ein</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="456"/>
        <source>1 - Stand By</source>
        <translation>1 - Bereitschaft</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="457"/>
        <source>2 - Attesa Encoder</source>
        <translation>2 - Warten auf Drehgeber</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="457"/>
        <source>3 - Tara iniziale</source>
        <translation>3 - Anfangstara</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="458"/>
        <source>4 - Lavorazione</source>
        <translation>4 - In Betrieb</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="458"/>
        <source>5 - Fine partita</source>
        <translation>5 - Partieende</translation>
    </message>
</context>
<context>
    <name>inifile</name>
    <message>
        <location filename="../config/inifile.cpp" line="44"/>
        <source>Impossibile leggere %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../config/inifile.cpp" line="78"/>
        <location filename="../config/inifile.cpp" line="82"/>
        <source>Impossibile scrivere %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>printboll</name>
    <message>
        <location filename="../reports/printboll.cpp" line="19"/>
        <source>QUALITA %1</source>
        <translation>QUALITÄT %1</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="22"/>
        <source>calibro</source>
        <translation>Kaliber</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="23"/>
        <source>peso</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="24"/>
        <location filename="../reports/printboll.cpp" line="122"/>
        <source>Totali</source>
        <translation>Summen</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="25"/>
        <location filename="../reports/printboll.cpp" line="123"/>
        <source>Perc.</source>
        <translation>Proz.</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="74"/>
        <source>Bolla in corso</source>
        <translation>Laufender Lieferschein</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="74"/>
        <source>Bolla %1</source>
        <translation>Lieferschein %1</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="81"/>
        <source>STAMPA BOLLA</source>
        <translation>LIEFERSCHEINDRUCK</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="82"/>
        <source>Data :</source>
        <translation>Datum :</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="87"/>
        <source>Totali Temporanei</source>
        <translation>Zwischensummen</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="89"/>
        <source>Numero Bolla:</source>
        <translation>Lieferschein-Nr.:</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="91"/>
        <source>Numero Registrazione :</source>
        <translation>Datensatznummer :</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="106"/>
        <source>Codice Programma :</source>
        <translation>Programmcode :</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="106"/>
        <source>Descrizione programma</source>
        <translation>Programmbeschreibung</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="107"/>
        <source>Codice Produttore :</source>
        <translation>Erzeugercode :</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="107"/>
        <source>Descrizione produttore</source>
        <translation>Erzeugerbeschreibung</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="127"/>
        <source>Totale Q%1</source>
        <translation>Summe Q%1</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="140"/>
        <source>Totale Generale</source>
        <translation>Gesamtsumme</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="144"/>
        <source>Totale Partita</source>
        <translation>Partiesumme</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="148"/>
        <source>Note:</source>
        <translation>Notizen:</translation>
    </message>
</context>
<context>
    <name>printprog</name>
    <message>
        <location filename="../reports/printprog.cpp" line="20"/>
        <source>Data :</source>
        <translation>Datum :</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="40"/>
        <source>Programma %1</source>
        <translation>Programm %1</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="42"/>
        <source>STAMPA PROGRAMMA</source>
        <translation>PROGRAMMDRUCK</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="43"/>
        <source>Programma :</source>
        <translation>Programm :</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="46"/>
        <source>Descrizione:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="56"/>
        <source>Qualita %1</source>
        <translation>Qualität %1</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="58"/>
        <source>calibro</source>
        <translation>Kaliber</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="59"/>
        <source>Pesi</source>
        <translation>Gewichte</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="79"/>
        <source>Installazione</source>
        <translation>Installation</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="81"/>
        <source>STAMPA INSTALLAZIONE</source>
        <translation>INSTALLATIONSDRUCK</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="86"/>
        <source>Numero Linee =</source>
        <translation>Anzahl Linien =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="86"/>
        <source>Numero Tazze =</source>
        <translation>Anzahl Schalen =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="87"/>
        <source>Ritardo Tara =</source>
        <translation>Tara-Verzögerung =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="87"/>
        <source>Tipo Tara =</source>
        <translation>Taraart =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="88"/>
        <source>Direzione encoder =</source>
        <translation>Drehgeberrichtung =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="88"/>
        <source>Zero Encoder =</source>
        <translation>Drehgeber-Null =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="91"/>
        <source>Fine Campione</source>
        <translation>Probenende</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="92"/>
        <source>Distanza FC =</source>
        <translation>Abstand Probenende =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="93"/>
        <source>Durata FC =</source>
        <translation>Dauer Probenende =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="100"/>
        <source>punto iniz. peso L%1 =</source>
        <translation>Wiegeanfang L%1 =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="101"/>
        <source>punto Fine peso L%1 =</source>
        <translation>Wiegeende L%1 =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="102"/>
        <source>Kappa  L%1 =</source>
        <translation>Kappa  L%1 =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="103"/>
        <source>Qualità  L%1 =</source>
        <translation>Qualität  L%1 =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="108"/>
        <source>Seriale Centralina =</source>
        <translation>Serielle Schnittst. Steuerung =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="109"/>
        <source>Seriale  Barcode   =</source>
        <translation>Serielle Schnittst. Barcode =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="110"/>
        <source>Seriale  Scarti       =</source>
        <translation>Serielle Schnittst. Ausschuss =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="125"/>
        <source>Produttore %1</source>
        <translation>Erzeuger %1</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="133"/>
        <source>Data</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="134"/>
        <source>Bolla</source>
        <translation>Lieferschein</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="135"/>
        <source>Prog.</source>
        <translation>Prog.</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="136"/>
        <source>Qualita %1 (%2 / %)</source>
        <translation>Qualität %1 (%2 / %)</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="137"/>
        <source>Totale %1</source>
        <translation>Summe %1</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="152"/>
        <source>TOTALE</source>
        <translation>GESAMT</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="161"/>
        <source>RIEPILOGO BOLLE PRODUTTORE</source>
        <translation>LIEFERSCHEINÜBERSICHT DES ERZEUGERS</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="162"/>
        <source>Produttore: %1  %2</source>
        <translation>Erzeuger: %1  %2</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="163"/>
        <source>dal %1 al %2</source>
        <translation>vom %1 bis %2</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="174"/>
        <source>Pagina %1</source>
        <translation>Seite %1</translation>
    </message>
</context>
<context>
    <name>sidefile</name>
    <message>
        <location filename="../base/sidefile.cpp" line="11"/>
        <location filename="../base/sidefile.cpp" line="15"/>
        <source>Impossibile scrivere il file %1: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <location filename="../base/text.cpp" line="96"/>
        <source>Il carattere &apos;%1&apos; non può essere scritto in %2: usare solo lettere, cifre e segni dell&apos;alfabeto latino</source>
        <translation>Das Zeichen „%1“ kann nicht in %2 geschrieben werden: nur Buchstaben, Ziffern und Zeichen des lateinischen Alphabets verwenden</translation>
    </message>
</context>
</TS>
