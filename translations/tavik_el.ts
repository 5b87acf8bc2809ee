<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="it_IT">
<context>
    <name>ConfigBackup</name>
    <message>
        <location filename="../export/backup.cpp" line="82"/>
        <source>Selezionare un file nella Directory dove salvare i dati</source>
        <translation>Επιλέξτε ένα αρχείο στον φάκελο όπου θα αποθηκευτούν τα δεδομένα</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="104"/>
        <source>Impossibile scrivere il file %1: %2</source>
        <translation>Δεν είναι δυνατή η εγγραφή του αρχείου %1: %2</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="108"/>
        <source>Salvataggio effettuato!</source>
        <translation>Η αποθήκευση ολοκληρώθηκε!</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="115"/>
        <source>apriil file di configurazione</source>
        <translation>άνοιγμα του αρχείου διαμόρφωσης</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="117"/>
        <source>Configurazione (%1);;Tutti i file (*)</source>
        <translation>Διαμόρφωση (%1);;Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="128"/>
        <source>Impossibile leggere il file %1: %2</source>
        <translation>Δεν είναι δυνατή η ανάγνωση του αρχείου %1: %2</translation>
    </message>
    <message>
        <location filename="../export/backup.cpp" line="138"/>
        <source>Ripristino effettuato!</source>
        <translation>Η επαναφορά ολοκληρώθηκε!</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <location filename="../config/configuration.cpp" line="38"/>
        <source>&apos;%1&apos; non è un valore valido (%2): ci vuole un testo o un numero intero</source>
        <translation>Το &apos;%1&apos; δεν είναι έγκυρη τιμή (%2): απαιτείται κείμενο ή ακέραιος αριθμός</translation>
    </message>
    <message>
        <location filename="../config/configuration.cpp" line="45"/>
        <source>&apos;%1&apos; è troppo grande (%2): al massimo %3</source>
        <translation>Το &apos;%1&apos; είναι πολύ μεγάλο (%2): το πολύ %3</translation>
    </message>
    <message>
        <location filename="../config/configuration.cpp" line="60"/>
        <location filename="../config/configuration.cpp" line="77"/>
        <source>&apos;%1&apos; non è un valore intero valido (%2)</source>
        <translation>Το &apos;%1&apos; δεν είναι έγκυρος ακέραιος αριθμός (%2)</translation>
    </message>
</context>
<context>
    <name>EndOfLot</name>
    <message>
        <location filename="../export/endoflot.cpp" line="82"/>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>Η κεντρική μονάδα είναι σβηστή, παρακαλώ ανάψτε την!</translation>
    </message>
    <message>
        <location filename="../export/endoflot.cpp" line="133"/>
        <source>Stampa non inviata</source>
        <translation>Η εκτύπωση δεν στάλθηκε</translation>
    </message>
    <message>
        <location filename="../export/endoflot.cpp" line="173"/>
        <source>Il file %1 esiste già: la bolla %2 è esportata in %3</source>
        <translation>Το αρχείο %1 υπάρχει ήδη: το δελτίο %2 εξάγεται στο %3</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <location filename="../base/fields.cpp" line="21"/>
        <source>Salva</source>
        <translation>Αποθήκευση</translation>
    </message>
</context>
<context>
    <name>LotArchive</name>
    <message>
        <location filename="../lots/lotarchive.cpp" line="85"/>
        <source> &lt;nuovo produttore&gt;</source>
        <translation> &lt;νέος παραγωγός&gt;</translation>
    </message>
    <message>
        <location filename="../lots/lotarchive.cpp" line="185"/>
        <source>&apos;%1&apos; non è un valore intero valido per il campo %2</source>
        <translation>Το &apos;%1&apos; δεν είναι έγκυρος ακέραιος αριθμός για το πεδίο %2</translation>
    </message>
    <message>
        <location filename="../lots/lotarchive.cpp" line="192"/>
        <source>La bolla non ha una data valida</source>
        <translation>Το δελτίο δεν έχει έγκυρη ημερομηνία</translation>
    </message>
</context>
<context>
    <name>LotEditor</name>
    <message>
        <location filename="../lots/loteditor.cpp" line="95"/>
        <source>Archivio Programmi Vuoto, Rilavorazione impossibile.</source>
        <translation>Το αρχείο προγραμμάτων είναι κενό, η επανεπεξεργασία δεν είναι δυνατή.</translation>
    </message>
    <message>
        <location filename="../lots/loteditor.cpp" line="97"/>
        <source>Caricamento Programma </source>
        <translation>Φόρτωση προγράμματος </translation>
    </message>
    <message>
        <location filename="../lots/loteditor.cpp" line="97"/>
        <source>Numero Programmi</source>
        <translation>Αριθμός προγραμμάτων</translation>
    </message>
    <message>
        <location filename="../lots/loteditor.cpp" line="98"/>
        <source>Programma dell archivio INESISTENTE, selezionarne uno dalla lista.</source>
        <translation>Πρόγραμμα ΑΝΥΠΑΡΚΤΟ στο αρχείο, επιλέξτε ένα από τη λίστα.</translation>
    </message>
</context>
<context>
    <name>LotExport</name>
    <message>
        <location filename="../export/expfildata.cpp" line="65"/>
        <source>La bolla %1 contiene il carattere &apos;%2&apos;, che il file per l&apos;AS400 non può contenere</source>
        <translation>Το δελτίο %1 περιέχει τον χαρακτήρα &apos;%2&apos;, που το αρχείο για το AS400 δεν μπορεί να περιέχει</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="105"/>
        <source>La cartella di esportazione %1 (%2) non esiste: i dati per l&apos;AS400 non sono stati esportati</source>
        <translation>Ο φάκελος εξαγωγής %1 (%2) δεν υπάρχει: τα δεδομένα για το AS400 δεν εξήχθησαν</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="115"/>
        <source>Il file %1 non è stato scritto: %2</source>
        <translation>Το αρχείο %1 δεν γράφτηκε: %2</translation>
    </message>
</context>
<context>
    <name>Lots</name>
    <message>
        <location filename="../lots/lots.cpp" line="21"/>
        <source>&apos;%1&apos; non è un valore intero valido</source>
        <translation>Το &apos;%1&apos; δεν είναι έγκυρος ακέραιος αριθμός</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="82"/>
        <source>Nuova Bolla N:</source>
        <translation>Νέο δελτίο αρ.:</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="86"/>
        <source>La bolla è stata registrata con il numero %1: il numero %2 è stato preso nel frattempo</source>
        <translation>Το δελτίο καταχωρίστηκε με τον αριθμό %1: ο αριθμός %2 δόθηκε στο μεταξύ</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="129"/>
        <source>La bolla %1 non è più in archivio</source>
        <translation>Το δελτίο %1 δεν υπάρχει πλέον στο αρχείο</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="133"/>
        <source>Modifica Bolla N:</source>
        <translation>Τροποποίηση δελτίου αρ.:</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="150"/>
        <source>Cancellazione non possibile, Bolla precedente in corso.</source>
        <translation>Η διαγραφή δεν είναι δυνατή, προηγούμενο δελτίο σε εξέλιξη.</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="153"/>
        <source>Cancellare archivio Bolle? non sarà possibile recuperarlo.</source>
        <translation>Διαγραφή του αρχείου δελτίων; Δεν θα είναι δυνατή η ανάκτησή του.</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="156"/>
        <source>Archivio Bolle cancellato!</source>
        <translation>Το αρχείο δελτίων διαγράφηκε!</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="176"/>
        <source>La data iniziale viene dopo quella finale</source>
        <translation>Η αρχική ημερομηνία είναι μετά την τελική</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="180"/>
        <source>&lt;nuovo produttore&gt;</source>
        <translation>&lt;νέος παραγωγός&gt;</translation>
    </message>
    <message>
        <location filename="../lots/lots.cpp" line="231"/>
        <source>Il produttore è stato registrato con il numero %1: il numero %2 è stato preso nel frattempo</source>
        <translation>Ο παραγωγός καταχωρίστηκε με τον αριθμό %1: ο αριθμός %2 δόθηκε στο μεταξύ</translation>
    </message>
</context>
<context>
    <name>MainCycle</name>
    <message>
        <location filename="../sampling/maincycle.cpp" line="59"/>
        <source>Trasf. interrotto (%1 %)</source>
        <translation>Μεταφ. διακόπηκε (%1 %)</translation>
    </message>
    <message>
        <location filename="../sampling/maincycle.cpp" line="76"/>
        <source>0 - Centralina off </source>
        <translation>0 - Κεντρική μονάδα εκτός </translation>
    </message>
</context>
<context>
    <name>PrintServerClient</name>
    <message>
        <location filename="../export/printserver.cpp" line="42"/>
        <source>server di stampa 127.0.0.1:%1 non raggiungibile: %2</source>
        <translation>ο διακομιστής εκτύπωσης 127.0.0.1:%1 δεν είναι προσβάσιμος: %2</translation>
    </message>
</context>
<context>
    <name>Producers</name>
    <message>
        <location filename="../lots/producers.cpp" line="74"/>
        <source>Il produttore %1 non è più in archivio</source>
        <translation>Ο παραγωγός %1 δεν υπάρχει πλέον στο αρχείο</translation>
    </message>
</context>
<context>
    <name>ProgramCommands</name>
    <message>
        <location filename="../programs/programcommands.cpp" line="13"/>
        <source>Modifica programma N. </source>
        <translation>Τροποποίηση προγράμματος αρ. </translation>
    </message>
    <message>
        <location filename="../programs/programcommands.cpp" line="67"/>
        <source> Cancella Programma </source>
        <translation> Διαγραφή προγράμματος </translation>
    </message>
    <message>
        <location filename="../programs/programcommands.cpp" line="73"/>
        <source>&apos;%1&apos; non è un valore intero valido</source>
        <translation>Το &apos;%1&apos; δεν είναι έγκυρος ακέραιος αριθμός</translation>
    </message>
    <message>
        <location filename="../programs/programcommands.cpp" line="75"/>
        <source>Il programma è quello corrente; non è possibile cancellarlo!</source>
        <translation>Είναι το τρέχον πρόγραμμα· δεν μπορεί να διαγραφεί!</translation>
    </message>
</context>
<context>
    <name>Programs</name>
    <message>
        <location filename="../programs/programs.cpp" line="99"/>
        <source>&apos;%1&apos; non è un valore intero valido (peso %2 della qualità %3)</source>
        <translation>Το &apos;%1&apos; δεν είναι έγκυρος ακέραιος αριθμός (βάρος %2 της ποιότητας %3)</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="121"/>
        <source>Il codice %1 è stato usato nel frattempo da un&apos;altra stazione: il programma è salvato con il codice %2.</source>
        <translation>Ο κωδικός %1 χρησιμοποιήθηκε στο μεταξύ από άλλο σταθμό: το πρόγραμμα αποθηκεύτηκε με τον κωδικό %2.</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="169"/>
        <source>Il programma %1 non è presente nell&apos;archivio.</source>
        <translation>Το πρόγραμμα %1 δεν υπάρχει στο αρχείο.</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="173"/>
        <source>Sono già memorizzati 99 programmi: cancellarne uno prima di crearne un altro.</source>
        <translation>Έχουν ήδη αποθηκευτεί 99 προγράμματα: διαγράψτε ένα πριν δημιουργήσετε άλλο.</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="176"/>
        <source>Programma %1 non presente in archivio</source>
        <translation>Το πρόγραμμα %1 δεν υπάρχει στο αρχείο</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="249"/>
        <source>Il numero di programma %1 non può essere inviato alla centralina</source>
        <translation>Ο αριθμός προγράμματος %1 δεν μπορεί να σταλεί στην κεντρική μονάδα</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="251"/>
        <source>Il programma %1 non può essere inviato alla centralina: qualità %2, classe %3, %4 &apos;%5&apos; non valido (%6)</source>
        <translation>Το πρόγραμμα %1 δεν μπορεί να σταλεί στην κεντρική μονάδα: ποιότητα %2, κλάση %3, %4 &apos;%5&apos; μη έγκυρο (%6)</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="270"/>
        <source>peso minimo</source>
        <translation>ελάχιστο βάρος</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="270"/>
        <source>peso massimo</source>
        <translation>μέγιστο βάρος</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="271"/>
        <source>ci vuole un numero intero da 0 a %1</source>
        <translation>απαιτείται ακέραιος αριθμός από 0 έως %1</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="284"/>
        <source>uscita %1</source>
        <translation>έξοδος %1</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="284"/>
        <source>ci vogliono due cifre</source>
        <translation>απαιτούνται δύο ψηφία</translation>
    </message>
    <message>
        <location filename="../programs/programs.cpp" line="303"/>
        <source>Il programma %1 non è presente nell&apos;archivio: non è stato inviato alla centralina.</source>
        <translation>Το πρόγραμμα %1 δεν υπάρχει στο αρχείο: δεν στάλθηκε στην κεντρική μονάδα.</translation>
    </message>
</context>
<context>
    <name>RejectUnit</name>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="7"/>
        <source>0-SCARTI off </source>
        <translation>0-ΑΠΟΡΡΙΨΕΙΣ off </translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="8"/>
        <source>? - errore scarti </source>
        <translation>? - σφάλμα απορρίψεων </translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="12"/>
        <source>0 - SCARTI ON </source>
        <translation>0 - ΑΠΟΡΡΙΨΕΙΣ ON </translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="12"/>
        <source>1 - attesa scar.</source>
        <translation>1 - αναμονή εκφόρτωσης</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="13"/>
        <source>2 - SCARICO</source>
        <translation>2 - ΕΚΦΟΡΤΩΣΗ</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="13"/>
        <source>3 - ass. tara</source>
        <translation>3 - λήψη απόβαρου</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="14"/>
        <source>4 - tara in corso</source>
        <translation>4 - απόβαρο σε εξέλιξη</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="14"/>
        <source>5 - att. carico</source>
        <translation>5 - αναμονή φορτίου</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="15"/>
        <source>6 - Carico Sing.</source>
        <translation>6 - Απλό φορτίο</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="15"/>
        <source>7 - Ass. e Accum.</source>
        <translation>7 - Λήψη και άθροιση</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="16"/>
        <source>8 - Doppia Carico</source>
        <translation>8 - Διπλό φορτίο</translation>
    </message>
    <message>
        <location filename="../reject/rejectsupervision.cpp" line="16"/>
        <source>9 - Ass. Accum. Pos.</source>
        <translation>9 - Λήψη άθρ. θέσης</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <location filename="../reports/reportoutput.cpp" line="25"/>
        <source>la coda non accetta lavori</source>
        <translation>η ουρά δεν δέχεται εργασίες</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="26"/>
        <source>la stampante è ferma</source>
        <translation>ο εκτυπωτής είναι σταματημένος</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="49"/>
        <source>Impossibile scrivere il file %1</source>
        <translation>Δεν είναι δυνατή η εγγραφή του αρχείου %1</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="59"/>
        <source>Nessuna stampante installata: la stampa è nel file %1</source>
        <translation>Δεν υπάρχει εγκατεστημένος εκτυπωτής: η εκτύπωση βρίσκεται στο αρχείο %1</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="102"/>
        <source>La stampa su %1 non è riuscita: %2</source>
        <translation>Η εκτύπωση στο %1 απέτυχε: %2</translation>
    </message>
    <message>
        <location filename="../reports/reportoutput.cpp" line="111"/>
        <source>la stampante non ha accettato il lavoro</source>
        <translation>ο εκτυπωτής δεν δέχτηκε την εργασία</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <location filename="../reports/reports.cpp" line="83"/>
        <source>La bolla %1 non è più in archivio</source>
        <translation>Το δελτίο %1 δεν υπάρχει πλέον στο αρχείο</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="110"/>
        <source>Il programma %1 della bolla %2 non è in archivio: la bolla non può essere stampata</source>
        <translation>Το πρόγραμμα %1 του δελτίου %2 δεν υπάρχει στο αρχείο: το δελτίο δεν μπορεί να εκτυπωθεί</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="126"/>
        <source>errore programma in stampa</source>
        <translation>σφάλμα προγράμματος στην εκτύπωση</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="133"/>
        <source>Non ci sono totali della bolla in corso da stampare</source>
        <translation>Δεν υπάρχουν σύνολα του τρέχοντος δελτίου για εκτύπωση</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="213"/>
        <source>non abilitata</source>
        <translation>ανενεργή</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="221"/>
        <source>destra</source>
        <translation>δεξιά</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="221"/>
        <source>sinistra</source>
        <translation>αριστερά</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="274"/>
        <location filename="../reports/reports.cpp" line="282"/>
        <source> Stampa Programma </source>
        <translation> Εκτύπωση προγράμματος </translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="274"/>
        <source>Numero  Programmi</source>
        <translation>Αριθμός προγραμμάτων</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="304"/>
        <source>Il produttore %1 non ha bolle dal %2 al %3</source>
        <translation>Ο παραγωγός %1 δεν έχει δελτία από %2 έως %3</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="312"/>
        <source>Stampa Installazione</source>
        <translation>Εκτύπωση εγκατάστασης</translation>
    </message>
</context>
<context>
    <name>RunCommands</name>
    <message>
        <location filename="../sampling/runcommands.cpp" line="26"/>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>Η κεντρική μονάδα είναι σβηστή, παρακαλώ ανάψτε την!</translation>
    </message>
    <message>
        <location filename="../sampling/runcommands.cpp" line="30"/>
        <source>I totali verranno azzerati, vuoi continuare ?</source>
        <translation>Τα σύνολα θα μηδενιστούν, θέλετε να συνεχίσετε;</translation>
    </message>
    <message>
        <location filename="../sampling/runcommands.cpp" line="135"/>
        <source>Produzione oraria = </source>
        <translation>Ωριαία παραγωγή = </translation>
    </message>
    <message>
        <location filename="../sampling/runcommands.cpp" line="158"/>
        <source>Costo: %1 EUR</source>
        <translation>Κόστος: %1 EUR</translation>
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
        <translation>Τα σύνολα του τρέχοντος δελτίου δεν αποθηκεύτηκαν</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../config/settingsstore.cpp" line="49"/>
        <source>Impossibile leggere il file delle impostazioni %1: %2</source>
        <translation>Δεν είναι δυνατή η ανάγνωση του αρχείου ρυθμίσεων %1: %2</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="56"/>
        <source>Il file delle impostazioni %1 non è valido: %2</source>
        <translation>Το αρχείο ρυθμίσεων %1 δεν είναι έγκυρο: %2</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="59"/>
        <source>non contiene un oggetto</source>
        <translation>δεν περιέχει αντικείμενο</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="149"/>
        <source>Il file delle impostazioni %1 non è leggibile: nessun valore è stato scritto</source>
        <translation>Το αρχείο ρυθμίσεων %1 δεν διαβάζεται: δεν γράφτηκε καμία τιμή</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="156"/>
        <source>Il file delle impostazioni %1 non è valido e non può essere messo da parte; nessun valore è stato scritto</source>
        <translation>Το αρχείο ρυθμίσεων %1 δεν είναι έγκυρο και δεν μπορεί να παραμεριστεί· δεν γράφτηκε καμία τιμή</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="162"/>
        <source>Il file delle impostazioni non era valido ed è stato conservato come %1</source>
        <translation>Το αρχείο ρυθμίσεων δεν ήταν έγκυρο και φυλάχτηκε ως %1</translation>
    </message>
    <message>
        <location filename="../config/settingsstore.cpp" line="181"/>
        <source>Impossibile scrivere %1: %2</source>
        <translation>Δεν είναι δυνατή η εγγραφή του %1: %2</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <location filename="../app/station.cpp" line="240"/>
        <source>Costi del personale</source>
        <translation>Κόστος προσωπικού</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="371"/>
        <source>Il registro eventi %1 non può essere scritto (%2): la stazione lavora senza registro</source>
        <translation>Το αρχείο καταγραφής %1 δεν μπορεί να γραφτεί (%2): ο σταθμός λειτουργεί χωρίς καταγραφή</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="468"/>
        <source>Bolla temporanea non presente!</source>
        <translation>Δεν υπάρχει προσωρινό δελτίο!</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="549"/>
        <source>Configurazione</source>
        <translation>Διαμόρφωση</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="577"/>
        <location filename="../app/station.cpp" line="696"/>
        <location filename="../app/station.cpp" line="811"/>
        <location filename="../app/station.cpp" line="843"/>
        <location filename="../app/station.cpp" line="927"/>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>Η κεντρική μονάδα είναι σβηστή, παρακαλώ ανάψτε την!</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="582"/>
        <source> Caricamento Programma </source>
        <translation> Φόρτωση προγράμματος </translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="590"/>
        <source>&apos;%1&apos; non è un codice di programma valido</source>
        <translation>Το &apos;%1&apos; δεν είναι έγκυρος κωδικός προγράμματος</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="593"/>
        <source>Caricamento del programma %1</source>
        <translation>Φόρτωση του προγράμματος %1</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="605"/>
        <source>Non c&apos;è un programma corrente da modificare.</source>
        <translation>Δεν υπάρχει τρέχον πρόγραμμα για τροποποίηση.</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="614"/>
        <source>Modifica programma N. </source>
        <translation>Τροποποίηση προγράμματος αρ. </translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="624"/>
        <source>Invio del programma alla centralina</source>
        <translation>Αποστολή του προγράμματος στην κεντρική μονάδα</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="639"/>
        <source>Azzeramento dei totali</source>
        <translation>Μηδενισμός των συνόλων</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="644"/>
        <location filename="../app/station.cpp" line="786"/>
        <source>Lettura dei totali</source>
        <translation>Ανάγνωση συνόλων</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="700"/>
        <source>Lettura dei totali per la stampa</source>
        <translation>Ανάγνωση συνόλων για εκτύπωση</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="732"/>
        <source>Esporta le bolle trovate</source>
        <translation>Εξαγωγή των δελτίων που βρέθηκαν</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="735"/>
        <source>Testo per AS400 (*.txt)</source>
        <translation>Κείμενο για AS400 (*.txt)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="755"/>
        <source>Il programma di aggiornamento %1 non si avvia: la stazione resta aperta</source>
        <translation>Το πρόγραμμα ενημέρωσης %1 δεν ξεκινά: ο σταθμός παραμένει ανοιχτός</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="762"/>
        <source>Vuoi esportare i dati verso AS400 ?</source>
        <translation>Θέλετε να εξαγάγετε τα δεδομένα προς το AS400;</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="814"/>
        <source>Fine lavorazione</source>
        <translation>Τέλος παρτίδας</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="822"/>
        <source>Allarme qualità</source>
        <translation>Συναγερμός ποιότητας</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="839"/>
        <location filename="../app/station.cpp" line="1071"/>
        <location filename="../app/station.cpp" line="1102"/>
        <location filename="../app/station.cpp" line="1486"/>
        <source>Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione.</source>
        <translation>Βεβαιωθείτε ότι το μηχάνημα είναι άδειο και πατήστε Yes για βαθμονόμηση.</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="856"/>
        <source>Il coefficiente della linea %1 deve essere un numero intero da 1 a 9999</source>
        <translation>Ο συντελεστής της γραμμής %1 πρέπει να είναι ακέραιος από 1 έως 9999</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="872"/>
        <source>Coefficienti di calibrazione</source>
        <translation>Συντελεστές βαθμονόμησης</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="895"/>
        <source>Il peso campione per linea deve essere da %1 a %2 grammi</source>
        <translation>Το βάρος δείγματος ανά γραμμή πρέπει να είναι από %1 έως %2 γραμμάρια</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="903"/>
        <source>Calibrazione</source>
        <translation>Βαθμονόμηση</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="915"/>
        <source>Fine calibrazione</source>
        <translation>Τέλος βαθμονόμησης</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="922"/>
        <source>Servizio</source>
        <translation>Σέρβις</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1021"/>
        <source>Test netto memorizzato</source>
        <translation>Δοκιμή αποθηκευμένου καθαρού</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1032"/>
        <location filename="../app/station.cpp" line="1059"/>
        <source>Fine test</source>
        <translation>Τέλος δοκιμής</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1038"/>
        <source>Termine Memorizzato non accettato!</source>
        <translation>Το τέλος αποθηκευμένου δεν έγινε δεκτό!</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1049"/>
        <source>Test encoder</source>
        <translation>Δοκιμή κωδικοποιητή</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1078"/>
        <source>Test magneti</source>
        <translation>Δοκιμή μαγνητών</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1086"/>
        <source>Fine test magneti</source>
        <translation>Τέλος δοκιμής μαγνητών</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1091"/>
        <source>La centralina non ha spento i magneti (U000): spegnere la macchina</source>
        <translation>Η κεντρική μονάδα δεν απενεργοποίησε τους μαγνήτες (U000): σβήστε το μηχάνημα</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1118"/>
        <source>Controllo tazze</source>
        <translation>Έλεγχος κυπέλλων</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1127"/>
        <source>Fine controllo tazze</source>
        <translation>Τέλος ελέγχου κυπέλλων</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1139"/>
        <source>Attenzione! nel quadro che segue è possibile alterare il funzionamento della macchina, si vuole proseguire?</source>
        <translation>Προσοχή! Στο παράθυρο που ακολουθεί μπορεί να αλλοιωθεί η λειτουργία του μηχανήματος. Θέλετε να συνεχίσετε;</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1156"/>
        <source>Linea %1: inizio e fine della finestra di lettura devono essere numeri da 1 a %2, l&apos;inizio minore della fine</source>
        <translation>Γραμμή %1: η αρχή και το τέλος του παραθύρου ανάγνωσης πρέπει να είναι αριθμοί από 1 έως %2, η αρχή μικρότερη από το τέλος</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1199"/>
        <location filename="../app/station.cpp" line="1248"/>
        <source>Fine oscilloscopio</source>
        <translation>Τέλος παλμογράφου</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1224"/>
        <source>La linea va da 1 a 4 e la soglia da %1 a %2</source>
        <translation>Η γραμμή είναι από 1 έως 4 και το κατώφλι από %1 έως %2</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1236"/>
        <source>Oscilloscopio</source>
        <translation>Παλμογράφος</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1250"/>
        <source>Fine funzione oscilloscopio... non eseguita!</source>
        <translation>Τέλος λειτουργίας παλμογράφου... δεν εκτελέστηκε!</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1265"/>
        <source>Impossibile scrivere le tracce su %1: %2. Il salvataggio su file è stato tolto.</source>
        <translation>Δεν είναι δυνατή η εγγραφή των κυματομορφών στο %1: %2. Η αποθήκευση σε αρχείο απενεργοποιήθηκε.</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1305"/>
        <source>Lingua</source>
        <translation>Γλώσσα</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1333"/>
        <source>Attenzione! le modifiche apportate nel quadro che segue possono alterare il funzionamento della macchina. Si vuole proseguire?</source>
        <translation>Προσοχή! Οι αλλαγές στο παράθυρο που ακολουθεί μπορούν να αλλοιώσουν τη λειτουργία του μηχανήματος. Θέλετε να συνεχίσετε;</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1398"/>
        <source>Riavvio linee</source>
        <translation>Επανεκκίνηση γραμμών</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1420"/>
        <source>COM%1 (unità scarti)</source>
        <translation>COM%1 (μονάδα απορρίψεων)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1424"/>
        <source>COM%1 (lettore barcode)</source>
        <translation>COM%1 (αναγνώστης γραμμωτού κώδικα)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1428"/>
        <source>COM%1 (centralina)</source>
        <translation>COM%1 (κεντρική μονάδα)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1439"/>
        <source>Com non disponibile nel computer: %1. La stazione continua senza questa linea e riprova ad aprirla.</source>
        <translation>Η θύρα COM δεν είναι διαθέσιμη στον υπολογιστή: %1. Ο σταθμός συνεχίζει χωρίς αυτή τη γραμμή και προσπαθεί να την ανοίξει ξανά.</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1456"/>
        <source>Rinfresco totali</source>
        <translation>Ανανέωση συνόλων</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1463"/>
        <source>Directory Esportazione AS400</source>
        <translation>Φάκελος εξαγωγής AS400</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1465"/>
        <source>text file (*.txt)</source>
        <translation>αρχείο κειμένου (*.txt)</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1491"/>
        <source>Reset centralina</source>
        <translation>Επαναφορά κεντρικής μονάδας</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1505"/>
        <source>La tabella tara mostra al più %1 tazze: numtazze è %2</source>
        <translation>Ο πίνακας απόβαρων δείχνει το πολύ %1 κύπελλα: numtazze είναι %2</translation>
    </message>
    <message>
        <location filename="../app/station.cpp" line="1515"/>
        <source>Lettura tabella tara</source>
        <translation>Ανάγνωση πίνακα απόβαρων</translation>
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
        <translation>Χρήση: campionatrice [-o] [--unattended] | --create-database | --database-role
  -o             παλιά κεντρική μονάδα: γραμμή στα 9600 baud, σύντομη γραμμή διαμόρφωσης
                 (μόνο ως πρώτη παράμετρος)
  --unattended   απαντά OK ή Yes σε κάθε μήνυμα και αναδυόμενο παράθυρο και γράφει το
                 κείμενο στο αρχείο καταγραφής και στην τυπική έξοδο σφαλμάτων
  --demo         σταθμός δοκιμής: ένα δελτίο που κλείνει χωρίς αριθμό παίρνει τον αριθμό
                 DEMO και έναν αύξοντα, ώστε να αρχειοθετούνται τα δελτία του προσομοιωμένου δείγματος
  --create-database  δημιουργεί τους πίνακες που λείπουν στη βάση δεδομένων του ψευδωνύμου tavikdata
                 (ενότητα &quot;databases&quot; των ρυθμίσεων· χωρίς αυτήν, το αρχείο SQLite
                 tavikdata.sqlite του φακέλου εργασίας) και τερματίζει
  --database-role  γράφει την εντολή SQL που δημιουργεί σε διακομιστή PostgreSQL τον χρήστη
                 με τον οποίο ο σταθμός προσπελαύνει το αρχείο (για το psql) και τερματίζει
Ο φάκελος εργασίας είναι ο τρέχων φάκελος.
</translation>
    </message>
</context>
<context>
    <name>TCalibrazione_Linee</name>
    <message>
        <location filename="../service/calibration.cpp" line="64"/>
        <source>Calibrazione Linee</source>
        <translation>Βαθμονόμηση γραμμών</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="66"/>
        <source>Procedura Automatica</source>
        <translation>Αυτόματη διαδικασία</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="68"/>
        <source>Peso Campione</source>
        <translation>Βάρος δείγματος</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="79"/>
        <source>Inizia</source>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="81"/>
        <source>Fine</source>
        <extracomment>button: ends the calibration under way (a verb)</extracomment>
        <translation>Τέλος</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="90"/>
        <source>Procedura Manuale</source>
        <translation>Χειροκίνητη διαδικασία</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="92"/>
        <source>Linea</source>
        <translation>Γραμμή</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="92"/>
        <source>- N° -</source>
        <translation>- Αρ. -</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="92"/>
        <source>- KAPPA -</source>
        <translation>- KAPPA -</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="92"/>
        <source>Peso</source>
        <translation>Βάρος</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="110"/>
        <source>Correzione errori</source>
        <translation>Διόρθωση σφαλμάτων</translation>
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
        <translation>Υπέρβαρο</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="115"/>
        <source>Sottopeso</source>
        <translation>Λιποβαρές</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="125"/>
        <source>Salva</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <location filename="../service/calibration.cpp" line="151"/>
        <source>calibrazione in corso...</source>
        <translation>βαθμονόμηση σε εξέλιξη...</translation>
    </message>
</context>
<context>
    <name>TDataModule1</name>
    <message>
        <location filename="../db/databaseacc.cpp" line="93"/>
        <source>Alias %1: manca il file del database SQLite</source>
        <translation>Ψευδώνυμο %1: λείπει το αρχείο της βάσης δεδομένων SQLite</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="102"/>
        <source>Alias %1 non valido: %2</source>
        <translation>Μη έγκυρο ψευδώνυμο %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="115"/>
        <source>Alias %1 non valido: %2 (atteso sqlite:FILE o postgresql://HOST:PORTA/DATABASE)</source>
        <translation>Μη έγκυρο ψευδώνυμο %1: %2 (αναμένεται sqlite:FILE ή postgresql://HOST:PORTA/DATABASE)</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="126"/>
        <source>L&apos;alias %1 nelle impostazioni non è un testo: %2</source>
        <translation>Το ψευδώνυμο %1 στις ρυθμίσεις δεν είναι κείμενο: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="183"/>
        <location filename="../db/databaseacc.cpp" line="297"/>
        <location filename="../db/databaseacc.cpp" line="708"/>
        <source>Errore del database sulla tabella %1: %2</source>
        <translation>Σφάλμα βάσης δεδομένων στον πίνακα %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="328"/>
        <location filename="../db/databaseacc.cpp" line="677"/>
        <source>La connessione al database %1 si è interrotta; riprovare il comando</source>
        <translation>Η σύνδεση με τη βάση δεδομένων %1 διακόπηκε· επαναλάβετε την εντολή</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="336"/>
        <source>Impossibile iniziare una transazione sul database %1: %2</source>
        <translation>Δεν είναι δυνατή η έναρξη συναλλαγής στη βάση δεδομένων %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="345"/>
        <source>Il database %1 non ha accettato le modifiche: %2</source>
        <translation>Η βάση δεδομένων %1 δεν δέχτηκε τις αλλαγές: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="369"/>
        <source>Il database %1 non esiste: crearlo con &quot;campionatrice --create-database&quot;</source>
        <translation>Η βάση δεδομένων %1 δεν υπάρχει: δημιουργήστε τη με &quot;campionatrice --create-database&quot;</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="373"/>
        <source>Il driver di database %1 non è installato</source>
        <translation>Το πρόγραμμα οδήγησης βάσης δεδομένων %1 δεν είναι εγκατεστημένο</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="403"/>
        <source>Impossibile aprire il database %1: %2</source>
        <translation>Δεν είναι δυνατό το άνοιγμα της βάσης δεδομένων %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="419"/>
        <source>Impossibile usare il database %1: %2</source>
        <translation>Δεν είναι δυνατή η χρήση της βάσης δεδομένων %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="473"/>
        <source>Impossibile leggere il database %1: %2</source>
        <translation>Δεν είναι δυνατή η ανάγνωση της βάσης δεδομένων %1: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="486"/>
        <source>Creazione della tabella %1 non riuscita: %2</source>
        <translation>Η δημιουργία του πίνακα %1 απέτυχε: %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="598"/>
        <source>Il valore %1 non entra nel campo %2</source>
        <translation>Η τιμή %1 δεν χωράει στο πεδίο %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="672"/>
        <source>La tabella %1 non è in modifica</source>
        <translation>Ο πίνακας %1 δεν βρίσκεται σε επεξεργασία</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="731"/>
        <source>La tabella %1 non esiste nel database</source>
        <translation>Ο πίνακας %1 δεν υπάρχει στη βάση δεδομένων</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="941"/>
        <source>La tabella %1 non ha un record corrente da modificare</source>
        <translation>Ο πίνακας %1 δεν έχει τρέχουσα εγγραφή για τροποποίηση</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="987"/>
        <source>&apos;%1&apos; non è un valore intero valido per il campo %2</source>
        <translation>Το &apos;%1&apos; δεν είναι έγκυρος ακέραιος αριθμός για το πεδίο %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="996"/>
        <source>&apos;%1&apos; non è un numero valido per il campo %2</source>
        <translation>Το &apos;%1&apos; δεν είναι έγκυρος αριθμός για το πεδίο %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1004"/>
        <source>&apos;%1&apos; non è una data valida per il campo %2</source>
        <translation>Το &apos;%1&apos; δεν είναι έγκυρη ημερομηνία για το πεδίο %2</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1027"/>
        <source>Il campo &apos;%1&apos; della tabella %2 deve avere un valore</source>
        <translation>Το πεδίο &apos;%1&apos; του πίνακα %2 πρέπει να έχει τιμή</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1062"/>
        <source>Nessun numero libero nella tabella %1: altre stazioni la cambiano senza sosta</source>
        <translation>Κανένας ελεύθερος αριθμός στον πίνακα %1: άλλοι σταθμοί τον αλλάζουν συνεχώς</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1069"/>
        <source>Il record della tabella %1 contiene un valore non valido e non è stato salvato</source>
        <translation>Η εγγραφή του πίνακα %1 περιέχει μη έγκυρη τιμή και δεν αποθηκεύτηκε</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1112"/>
        <source>Il record della tabella %1 è stato modificato o cancellato da un&apos;altra stazione: la modifica non è stata salvata. Rileggere i dati e riprovare.</source>
        <translation>Η εγγραφή του πίνακα %1 τροποποιήθηκε ή διαγράφηκε από άλλο σταθμό: η αλλαγή δεν αποθηκεύτηκε. Διαβάστε ξανά τα δεδομένα και δοκιμάστε πάλι.</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1131"/>
        <source>La tabella %1 non ha un record corrente da cancellare</source>
        <translation>Ο πίνακας %1 δεν έχει τρέχουσα εγγραφή για διαγραφή</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1152"/>
        <source>Il record della tabella %1 è stato modificato o cancellato da un&apos;altra stazione: non è stato cancellato.</source>
        <translation>Η εγγραφή του πίνακα %1 τροποποιήθηκε ή διαγράφηκε από άλλο σταθμό: δεν διαγράφηκε.</translation>
    </message>
    <message>
        <location filename="../db/databaseacc.cpp" line="1190"/>
        <source>La tabella %1 non ha il campo %2</source>
        <translation>Ο πίνακας %1 δεν έχει το πεδίο %2</translation>
    </message>
</context>
<context>
    <name>TErr_map</name>
    <message>
        <location filename="../reject/errmap.cpp" line="10"/>
        <source>Programma Peso = 0</source>
        <translation>Πρόγραμμα βάρος = 0</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="11"/>
        <source>Set-Up Singola/Doppia</source>
        <translation>Ρύθμιση απλή/διπλή</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="12"/>
        <source>Set-Up i due rele di carico = 0</source>
        <translation>Ρύθμιση: και τα δύο ρελέ φόρτωσης = 0</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="13"/>
        <source>Set-Up i due rele di scarico = 0</source>
        <translation>Ρύθμιση: και τα δύο ρελέ εκφόρτωσης = 0</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="14"/>
        <source>Set-Up k-Peso = 0</source>
        <translation>Ρύθμιση: συντελεστής βάρους = 0</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="15"/>
        <source>rele Scarico Destro non assegnato</source>
        <translation>δεξί ρελέ εκφόρτωσης μη αντιστοιχισμένο</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="16"/>
        <source>rele Scarico Sinistro non assegnato</source>
        <translation>αριστερό ρελέ εκφόρτωσης μη αντιστοιχισμένο</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="17"/>
        <source>Doppia manca 1 rele o 1 sensore di carico</source>
        <translation>Διπλό: λείπει 1 ρελέ ή 1 αισθητήρας φορτίου</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="18"/>
        <source>comandi J/K errati</source>
        <translation>λάθος εντολές J/K</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="19"/>
        <source>Ciclo On Tara valore errato</source>
        <translation>Κύκλος απόβαρου: λάθος τιμή</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="20"/>
        <source>seriale Ricezione buffer pieno</source>
        <translation>σειριακή: γεμάτος buffer λήψης</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="21"/>
        <source>seriale Trasmissione Time-Out</source>
        <translation>σειριακή: λήξη χρόνου μετάδοσης</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="30"/>
        <source>Errori Centralina Scarti</source>
        <translation>Σφάλματα μονάδας απορρίψεων</translation>
    </message>
    <message>
        <location filename="../reject/errmap.cpp" line="61"/>
        <source>Codici di errore sconosciuti: %1</source>
        <translation>Άγνωστοι κωδικοί σφάλματος: %1</translation>
    </message>
</context>
<context>
    <name>TImpAzienda</name>
    <message>
        <location filename="../lots/costs.cpp" line="192"/>
        <source>Impostazione Azienda</source>
        <translation>Ρυθμίσεις επιχείρησης</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="194"/>
        <source>Intestazione Azienda</source>
        <translation>Κεφαλίδα επιχείρησης</translation>
    </message>
</context>
<context>
    <name>TImpCosti</name>
    <message>
        <location filename="../lots/costs.cpp" line="96"/>
        <source>Categoria %1: il numero di persone deve essere un numero intero da 0 a %2</source>
        <translation>Κατηγορία %1: ο αριθμός ατόμων πρέπει να είναι ακέραιος από 0 έως %2</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="100"/>
        <source>Categoria %1: il costo orario deve essere da 0 a %2 lire (%3 EUR)</source>
        <translation>Κατηγορία %1: το ωριαίο κόστος πρέπει να είναι από 0 έως %2 λιρέτες (%3 EUR)</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="111"/>
        <source>Impostazione Costi</source>
        <translation>Ρυθμίσεις κόστους</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="114"/>
        <source>N. Persone</source>
        <translation>Αρ. ατόμων</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="115"/>
        <source>Costo Orario</source>
        <translation>Ωριαίο κόστος</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="129"/>
        <source>Categoria %1</source>
        <translation>Κατηγορία %1</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="158"/>
        <source>Costo orario complessivo</source>
        <translation>Συνολικό ωριαίο κόστος</translation>
    </message>
    <message>
        <location filename="../lots/costs.cpp" line="161"/>
        <source>Costo / Minuto</source>
        <translation>Κόστος / λεπτό</translation>
    </message>
</context>
<context>
    <name>TInstallazione</name>
    <message>
        <location filename="../setup/installation.cpp" line="41"/>
        <source>%1: scrivere un numero da %2 a %3 (ora &quot;%4&quot;)</source>
        <translation>%1: πληκτρολογήστε αριθμό από %2 έως %3 (τώρα &quot;%4&quot;)</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="89"/>
        <location filename="../setup/installation.cpp" line="261"/>
        <source>ritardo FC</source>
        <translation>καθυστέρηση ΤΔ</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="91"/>
        <location filename="../setup/installation.cpp" line="198"/>
        <source>Durata Att.</source>
        <translation>Διάρκεια ενεργ.</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="93"/>
        <location filename="../setup/installation.cpp" line="245"/>
        <source>Rit. Tara</source>
        <translation>Καθυστ. απόβαρου</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="94"/>
        <location filename="../setup/installation.cpp" line="257"/>
        <source>Dist. FC</source>
        <translation>Απόστ. ΤΔ</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="95"/>
        <location filename="../setup/installation.cpp" line="259"/>
        <source>Durata FC</source>
        <translation>Διάρκεια ΤΔ</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="97"/>
        <source>Distanza Uscite, Us. %1</source>
        <translation>Αποστάσεις εξόδων, Έξ. %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="98"/>
        <location filename="../setup/installation.cpp" line="214"/>
        <source>Apertura Magneti</source>
        <translation>Άνοιγμα μαγνητών</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="99"/>
        <location filename="../setup/installation.cpp" line="212"/>
        <source>Fase Zero Encoder</source>
        <translation>Μηδενική φάση κωδικοποιητή</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="101"/>
        <source>Lettura I, Linea %1</source>
        <translation>Ανάγνωση Α, γραμμή %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="102"/>
        <source>Lettura F, Linea %1</source>
        <translation>Ανάγνωση Τ, γραμμή %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="105"/>
        <source>Lettura I/F, Linea %1: l&apos;inizio (%2) deve venire prima della fine (%3)</source>
        <translation>Ανάγνωση Α/Τ, γραμμή %1: η αρχή (%2) πρέπει να είναι πριν από το τέλος (%3)</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="109"/>
        <source>K-peso, Linea %1</source>
        <translation>Συντ. βάρους, γραμμή %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="113"/>
        <location filename="../setup/installation.cpp" line="249"/>
        <source>Numero Tazze/L.</source>
        <translation>Κύπελλα/Γρ.</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="163"/>
        <source>non abilitata</source>
        <translation>ανενεργή</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="171"/>
        <source>Installazione</source>
        <translation>Εγκατάσταση</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="177"/>
        <source>Macchina</source>
        <translation>Μηχάνημα</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="179"/>
        <source>Seriale Centralina</source>
        <translation>Σειριακή κεντρικής μονάδας</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="179"/>
        <source>Seriale S. Barcode</source>
        <translation>Σειριακή αναγνώστη κωδικών</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="179"/>
        <source>Seriale S. Scarti</source>
        <translation>Σειριακή μονάδας απορρίψεων</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="190"/>
        <source>variabile</source>
        <translation>μεταβλητή</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="190"/>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="192"/>
        <source>Numero linee</source>
        <translation>Αριθμός γραμμών</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="194"/>
        <source>Numero Uscite</source>
        <translation>Αριθμός εξόδων</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="196"/>
        <source>Tipo attiv. Magn.</source>
        <translation>Τύπος ενεργ. μαγνητών</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="203"/>
        <source>verso rotazione encoder</source>
        <translation>φορά περιστροφής κωδικοποιητή</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="208"/>
        <source>Parametri Pesatura</source>
        <translation>Παράμετροι ζύγισης</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="217"/>
        <source>Qualità%1</source>
        <translation>Ποιότητα %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="219"/>
        <source>Linea %1</source>
        <translation>Γραμμή %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="231"/>
        <source>Lettura I/F</source>
        <translation>Ανάγνωση Α/Τ</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="232"/>
        <source>K-peso</source>
        <translation>Συντ. βάρους</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="233"/>
        <source>Qualita linee</source>
        <translation>Ποιότητα ανά γραμμή</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="238"/>
        <source>Sistema Tara</source>
        <translation>Σύστημα απόβαρου</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="241"/>
        <source>TARA/LINEA</source>
        <translation>ΑΠΟΒΑΡΟ/ΓΡΑΜΜΗ</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="241"/>
        <source>TARA/TAZZA</source>
        <translation>ΑΠΟΒΑΡΟ/ΚΥΠΕΛΛΟ</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="242"/>
        <source>TARA INC.(%1gr)</source>
        <translation>ΣΤΑΔ. ΑΠΟΒΑΡΟ (%1g)</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="247"/>
        <source>Tipo Tara</source>
        <translation>Τύπος απόβαρου</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="252"/>
        <source>Fine Campione</source>
        <translation>Τέλος δείγματος</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="267"/>
        <source>Uscite</source>
        <translation>Έξοδοι</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="269"/>
        <source>Distanza Uscite</source>
        <translation>Αποστάσεις εξόδων</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="273"/>
        <source>Us. %1</source>
        <translation>Έξ. %1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="281"/>
        <source>Stampa</source>
        <translation>Εκτύπωση</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="284"/>
        <source>Salva</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="310"/>
        <source>orario</source>
        <translation>δεξιόστροφα</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="310"/>
        <source>antiorario</source>
        <translation>αριστερόστροφα</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="330"/>
        <source>60% /3 Passi</source>
        <translation>60% /3 βήματα</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="330"/>
        <source>100% /3 Passi</source>
        <translation>100% /3 βήματα</translation>
    </message>
</context>
<context>
    <name>TListaBolla</name>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="8"/>
        <source>Lista Bolle</source>
        <translation>Λίστα δελτίων</translation>
    </message>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="8"/>
        <source>Numero  Bolle</source>
        <translation>Αριθμός δελτίων</translation>
    </message>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="8"/>
        <source>Selezionare la Bolla</source>
        <translation>Επιλέξτε το δελτίο</translation>
    </message>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="12"/>
        <source>Partita</source>
        <extracomment>check box: print the lot projected onto its whole quantity</extracomment>
        <translation>Παρτίδα</translation>
    </message>
    <message>
        <location filename="../lots/tlistabolla.cpp" line="14"/>
        <source>Scarto</source>
        <translation>Απόρριψη</translation>
    </message>
</context>
<context>
    <name>TListaProduttori</name>
    <message>
        <location filename="../lots/producers.cpp" line="100"/>
        <location filename="../lots/producers.cpp" line="106"/>
        <source>Lista Produttori</source>
        <translation>Λίστα παραγωγών</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="100"/>
        <source>Numero  Produttori</source>
        <translation>Αριθμός παραγωγών</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="101"/>
        <source>Selezionare il produttore</source>
        <translation>Επιλέξτε τον παραγωγό</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="106"/>
        <source>Numero Produttori</source>
        <translation>Αριθμός παραγωγών</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="106"/>
        <source>selezionare il produttore</source>
        <translation>επιλέξτε τον παραγωγό</translation>
    </message>
</context>
<context>
    <name>TListaProgrammi</name>
    <message>
        <location filename="../programs/tlistaprogrammi.cpp" line="4"/>
        <source>Lista Programmi</source>
        <translation>Λίστα προγραμμάτων</translation>
    </message>
    <message>
        <location filename="../programs/tlistaprogrammi.cpp" line="4"/>
        <source>Numero  Programmi</source>
        <translation>Αριθμός προγραμμάτων</translation>
    </message>
    <message>
        <location filename="../programs/tlistaprogrammi.cpp" line="6"/>
        <source>Selezionare il programma: un clic o Invio lo sceglie, Esc annulla</source>
        <translation>Επιλέξτε το πρόγραμμα: ένα κλικ ή Enter το επιλέγει, το Esc ακυρώνει</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <location filename="../app/station.cpp" line="1295"/>
        <source>Morvel Campionatrice</source>
        <translation>Morvel Δειγματολήπτης</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="171"/>
        <source>&amp;Lavorazione</source>
        <translation>&amp;Λειτουργία</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="180"/>
        <source>Programma  (F2)</source>
        <translation>Πρόγραμμα  (F2)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="182"/>
        <source>&amp;Modifica P/U  (F6)</source>
        <translation>&amp;Τροποποίηση Β/Ε  (F6)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="183"/>
        <source>&amp;Azzeramento   (F8)</source>
        <translation>&amp;Μηδενισμός   (F8)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="184"/>
        <source>&amp;Dati   (F3)</source>
        <translation>&amp;Στοιχεία   (F3)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="185"/>
        <source>&amp;Totali</source>
        <translation>&amp;Σύνολα</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="186"/>
        <source>&amp;Stampa   (F7)</source>
        <translation>Ε&amp;κτύπωση   (F7)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="187"/>
        <source>&amp;Fine Lavorazione (F9)</source>
        <translation>&amp;Τέλος παρτίδας (F9)</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="189"/>
        <source>&amp;Programmi</source>
        <translation>&amp;Προγράμματα</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="197"/>
        <location filename="../app/tmain.cpp" line="215"/>
        <location filename="../app/tmain.cpp" line="229"/>
        <source>&amp;Modifica</source>
        <translation>&amp;Τροποποίηση</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="198"/>
        <location filename="../app/tmain.cpp" line="230"/>
        <source>&amp;Nuovo</source>
        <translation>&amp;Νέος</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="199"/>
        <source>Co&amp;pia</source>
        <translation>Α&amp;ντιγραφή</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="200"/>
        <location filename="../app/tmain.cpp" line="217"/>
        <location filename="../app/tmain.cpp" line="231"/>
        <source>&amp;Cancella</source>
        <translation>&amp;Διαγραφή</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="201"/>
        <location filename="../app/tmain.cpp" line="218"/>
        <location filename="../app/tmain.cpp" line="232"/>
        <source>&amp;Stampa</source>
        <translation>Ε&amp;κτύπωση</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="205"/>
        <source>Control dbase</source>
        <translation>Έλεγχος βάσης δεδομένων</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="213"/>
        <source>&amp;Bolle</source>
        <translation>&amp;Δελτία</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="216"/>
        <source>&amp;Nuova</source>
        <translation>&amp;Νέο</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="220"/>
        <source>&amp;Opzioni Archivio</source>
        <translation>&amp;Επιλογές αρχείου</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="222"/>
        <source>esporta per Date</source>
        <translation>εξαγωγή ανά ημερομηνίες</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="223"/>
        <source>esporta giornaliero</source>
        <translation>ημερήσια εξαγωγή</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="225"/>
        <source>&amp;Azzeramento Bolle</source>
        <translation>&amp;Διαγραφή δελτίων</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="227"/>
        <source>Pro&amp;duttori</source>
        <translation>Πα&amp;ραγωγοί</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="235"/>
        <source>&amp;Azzera Produttori</source>
        <translation>&amp;Διαγραφή παραγωγών</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="238"/>
        <location filename="../app/tmain.cpp" line="240"/>
        <source>&amp;Fine</source>
        <extracomment>menu: leaving the program</extracomment>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="242"/>
        <source>&amp;Servizio</source>
        <translation>&amp;Σέρβις</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="244"/>
        <source>&amp;Installazione</source>
        <translation>&amp;Εγκατάσταση</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="248"/>
        <source>&amp;Calibratrice</source>
        <translation>&amp;Διαλογέας</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="249"/>
        <source>&amp;Programma</source>
        <translation>&amp;Πρόγραμμα</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="251"/>
        <source>&amp;Salva su Penna USB</source>
        <translation>&amp;Αποθήκευση σε USB</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="254"/>
        <source>&amp;Ripristina da Penna USB</source>
        <translation>&amp;Επαναφορά από USB</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="258"/>
        <source>&amp;Assistenza</source>
        <translation>&amp;Τεχνική υποστήριξη</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="261"/>
        <source>Controllo CE&amp;LLE</source>
        <translation>Έλεγχος &amp;ΚΥΨΕΛΩΝ</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="262"/>
        <source>&amp;Memorizzato</source>
        <translation>&amp;Αποθηκευμένο</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="263"/>
        <source>&amp;Encoder</source>
        <translation>&amp;Κωδικοποιητής</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="264"/>
        <source>&amp;Test Magneti</source>
        <translation>&amp;Δοκιμή μαγνητών</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="265"/>
        <source>Co&amp;ntrollo Tazze</source>
        <translation>Έλεγχος &amp;κυπέλλων</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="266"/>
        <source>&amp;Calibrazione</source>
        <translation>&amp;Βαθμονόμηση</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="267"/>
        <source>Ta&amp;bella Tara</source>
        <translation>Πί&amp;νακας απόβαρων</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="268"/>
        <source>&amp;Oscilloscopio</source>
        <translation>&amp;Παλμογράφος</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="269"/>
        <source>&amp;Reset Centralina</source>
        <translation>&amp;Επαναφορά κεντρικής μονάδας</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="271"/>
        <source>Co&amp;ntrollo Remoto</source>
        <translation>Α&amp;πομακρυσμένος έλεγχος</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="275"/>
        <source>&amp;Settaggi</source>
        <translation>&amp;Ρυθμίσεις</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="276"/>
        <source>&amp;Connesione</source>
        <translation>&amp;Σύνδεση</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="277"/>
        <source>&amp;Disconnetti</source>
        <translation>&amp;Αποσύνδεση</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="279"/>
        <source>Aggiorna Tempi Scarti</source>
        <translation>Ενημέρωση χρόνων απορρίψεων</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="280"/>
        <source>Mappa errori Kestin</source>
        <translation>Χάρτης σφαλμάτων Kestin</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="282"/>
        <source>Costi personale</source>
        <translation>Κόστος προσωπικού</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="283"/>
        <source>Dati azienda</source>
        <translation>Στοιχεία επιχείρησης</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="287"/>
        <source>&amp;Lingua</source>
        <translation>&amp;Γλώσσα</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="289"/>
        <source>Italiano</source>
        <translation>Ιταλικά</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="289"/>
        <source>Spagnolo</source>
        <translation>Ισπανικά</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="289"/>
        <source>Portoghese</source>
        <translation>Πορτογαλικά</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="289"/>
        <source>Inglese</source>
        <translation>Αγγλικά</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="290"/>
        <source>Francese</source>
        <translation>Γαλλικά</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="290"/>
        <source>Tedesco</source>
        <translation>Γερμανικά</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="290"/>
        <source>Greco</source>
        <translation>Ελληνικά</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="297"/>
        <source>Cinese</source>
        <translation>Κινέζικα</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="297"/>
        <source>Russo</source>
        <translation>Ρωσικά</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="298"/>
        <source>Indiano</source>
        <translation>Ινδικά</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="305"/>
        <source>&amp;Aiuto</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="307"/>
        <source>&amp;Controllo Aggiornamenti On-line</source>
        <translation>Έ&amp;λεγχος ενημερώσεων</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="322"/>
        <source>Calibro</source>
        <translation>Μέγεθος</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="322"/>
        <source>Peso</source>
        <translation>Βάρος</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="322"/>
        <source>Totale</source>
        <translation>Σύνολο</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="323"/>
        <source>Percentuale</source>
        <translation>Ποσοστό</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="363"/>
        <location filename="../app/tmain.cpp" line="399"/>
        <source>Qualita %1</source>
        <translation>Ποιότητα %1</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="401"/>
        <source>TOTALE</source>
        <translation>ΣΥΝΟΛΟ</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="411"/>
        <source>Bolla</source>
        <extracomment>the delivery note of the lot being sampled</extracomment>
        <translation>Δελτίο</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="419"/>
        <source>Numero Bolla:</source>
        <translation>Αριθμός δελτίου:</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="421"/>
        <source>Totale Partita kg:</source>
        <translation>Σύνολο παρτίδας kg:</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="423"/>
        <source>Preview stampa</source>
        <translation>Προεπισκόπηση εκτύπωσης</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="429"/>
        <source>Macchina</source>
        <translation>Μηχάνημα</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="435"/>
        <source>tazze sbagliate</source>
        <translation>λάθος κύπελλα</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="440"/>
        <source>Tazza</source>
        <translation>Κύπελλο</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="444"/>
        <source>Blocco Alimentazione</source>
        <translation>Τροφοδοσία μπλοκαρισμένη</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="459"/>
        <source>lista Barcode </source>
        <translation>λίστα γραμμωτών κωδικών </translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="626"/>
        <source>Programma %1</source>
        <translation>Πρόγραμμα %1</translation>
    </message>
    <message>
        <location filename="../app/tmain.cpp" line="627"/>
        <source>non in archivio</source>
        <translation>δεν υπάρχει στο αρχείο</translation>
    </message>
</context>
<context>
    <name>TModDati</name>
    <message>
        <location filename="../lots/tmoddati.cpp" line="14"/>
        <source>Dati Bolla</source>
        <translation>Στοιχεία δελτίου</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="33"/>
        <source>Bolla ritiro N:</source>
        <translation>Δελτίο παραλαβής αρ.:</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="34"/>
        <source>Totale Partita kg:</source>
        <translation>Σύνολο παρτίδας kg:</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="37"/>
        <source>Produttore</source>
        <translation>Παραγωγός</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="39"/>
        <source>Cambia</source>
        <translation>Αλλαγή</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="46"/>
        <source>Codice :</source>
        <translation>Κωδικός :</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="47"/>
        <source>Descrizione :</source>
        <translation>Περιγραφή :</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="50"/>
        <source>Note :</source>
        <translation>Σημειώσεις :</translation>
    </message>
    <message>
        <location filename="../lots/tmoddati.cpp" line="53"/>
        <source>Salva</source>
        <translation>Αποθήκευση</translation>
    </message>
</context>
<context>
    <name>TNewBolla</name>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="52"/>
        <location filename="../lots/tnewbolla.cpp" line="73"/>
        <source>Bolla</source>
        <translation>Δελτίο</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="59"/>
        <source>Programma</source>
        <translation>Πρόγραμμα</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="85"/>
        <source>Numero :</source>
        <translation>Αριθμός :</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="87"/>
        <source>Data Bolla</source>
        <translation>Ημερομηνία δελτίου</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="92"/>
        <source>Produttore</source>
        <translation>Παραγωγός</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="97"/>
        <source>Cambia</source>
        <translation>Αλλαγή</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="102"/>
        <source>Codice :</source>
        <translation>Κωδικός :</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="110"/>
        <source>Note</source>
        <translation>Σημειώσεις</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="118"/>
        <source>Tot Partita</source>
        <translation>Σύν. παρτίδας</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="127"/>
        <source>Codice a Barre</source>
        <translation>Γραμμωτός κώδικας</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="138"/>
        <source>Ripartizione Calibri</source>
        <translation>Κατανομή μεγεθών</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="147"/>
        <source>Calibro</source>
        <translation>Μέγεθος</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="147"/>
        <source>Peso</source>
        <translation>Βάρος</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="147"/>
        <source>Totale</source>
        <translation>Σύνολο</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="147"/>
        <source>Percentuale</source>
        <translation>Ποσοστό</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="173"/>
        <location filename="../lots/tnewbolla.cpp" line="182"/>
        <source>Qualita %1</source>
        <translation>Ποιότητα %1</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="182"/>
        <source>TOTALE</source>
        <translation>ΣΥΝΟΛΟ</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="201"/>
        <source>Salva</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="206"/>
        <source>Ricalcolo</source>
        <translation>Επανυπολογισμός</translation>
    </message>
    <message>
        <location filename="../lots/tnewbolla.cpp" line="208"/>
        <source>Partita</source>
        <translation>Παρτίδα</translation>
    </message>
</context>
<context>
    <name>TNewProgram</name>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="36"/>
        <source>Nuovo programma</source>
        <translation>Νέο πρόγραμμα</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="45"/>
        <source>Descrizione</source>
        <translation>Περιγραφή</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="47"/>
        <source>Codice</source>
        <translation>Κωδικός</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="60"/>
        <source>Salva</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="87"/>
        <source>Pesi Qualita %1</source>
        <translation>Βάρη ποιότητας %1</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="91"/>
        <source>Classe</source>
        <translation>Κλάση</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="92"/>
        <source>Calibro</source>
        <translation>Μέγεθος</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="93"/>
        <source>Peso minimo</source>
        <translation>Ελάχιστο βάρος</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="94"/>
        <source>Peso massimo</source>
        <translation>Μέγιστο βάρος</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="95"/>
        <source>Uscita %1</source>
        <translation>Έξοδος %1</translation>
    </message>
    <message>
        <location filename="../programs/tnewprogram.cpp" line="246"/>
        <source>&apos;%1&apos; non è un valore intero valido</source>
        <translation>Το &apos;%1&apos; δεν είναι έγκυρος ακέραιος αριθμός</translation>
    </message>
</context>
<context>
    <name>TParProg</name>
    <message>
        <location filename="../setup/installation.cpp" line="439"/>
        <source>Parametri  Programma</source>
        <translation>Παράμετροι προγράμματος</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="441"/>
        <source>Flag Generali</source>
        <translation>Γενικές επιλογές</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="449"/>
        <source>Archiviazione</source>
        <translation>Αρχειοθέτηση</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="450"/>
        <source>Stampa grammature</source>
        <translation>Εκτύπωση βαρών</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="451"/>
        <source>Trasmis. al remoto</source>
        <translation>Αποστολή σε κεντρικό</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="452"/>
        <source>Stampa Bolla</source>
        <translation>Εκτύπωση δελτίου</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="453"/>
        <source>Fine Partita Autom.</source>
        <translation>Αυτόμ. τέλος παρτίδας</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="454"/>
        <source>Totali espressi in</source>
        <translation>Σύνολα σε</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="456"/>
        <source>grammi</source>
        <translation>γραμμάρια</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="456"/>
        <source>Kilogrammi</source>
        <translation>Χιλιόγραμμα</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="467"/>
        <source>Numero Copie Bolle</source>
        <translation>Αριθμός αντιγράφων δελτίων</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="477"/>
        <source>Auto Rinfresco Totali</source>
        <translation>Αυτόματη ανανέωση συνόλων</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="482"/>
        <source>Avviso limite Percentuale raggiunta</source>
        <translation>Προειδοποίηση ορίου ποσοστού</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="493"/>
        <source>Limite Perc. Q%1</source>
        <translation>Όριο % Π%1</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="501"/>
        <source>Directory esp-AS400</source>
        <translation>Φάκελος εξαγ. AS400</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="505"/>
        <source>Sfoglia..</source>
        <translation>Αναζήτηση..</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="511"/>
        <source>Salva</source>
        <translation>Αποθήκευση</translation>
    </message>
</context>
<context>
    <name>TPeriodoStampa</name>
    <message>
        <location filename="../reports/reports.cpp" line="38"/>
        <source>Periodo</source>
        <translation>Περίοδος</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="49"/>
        <source>Dal</source>
        <translation>Από</translation>
    </message>
    <message>
        <location filename="../reports/reports.cpp" line="50"/>
        <source>Al</source>
        <translation>Έως</translation>
    </message>
</context>
<context>
    <name>TProduttori</name>
    <message>
        <location filename="../lots/producers.cpp" line="111"/>
        <source>Dato Produttore</source>
        <translation>Στοιχεία παραγωγού</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="121"/>
        <source>codice produttore</source>
        <translation>κωδικός παραγωγού</translation>
    </message>
    <message>
        <location filename="../lots/producers.cpp" line="122"/>
        <source>descrizione produttore</source>
        <translation>περιγραφή παραγωγού</translation>
    </message>
</context>
<context>
    <name>TRicercaBolle</name>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="20"/>
        <source>Ricerca Bolle</source>
        <translation>Αναζήτηση δελτίων</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="22"/>
        <source>Cerca le bolle</source>
        <translation>Αναζήτηση δελτίων</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="24"/>
        <source>Dal</source>
        <translation>Από</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="41"/>
        <source>al</source>
        <translation>έως</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="47"/>
        <source>Cambia</source>
        <translation>Αλλαγή</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="55"/>
        <source>Produttore</source>
        <translation>Παραγωγός</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="66"/>
        <source>Bolla N.</source>
        <translation>Δελτίο αρ.</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="68"/>
        <source>Programma</source>
        <translation>Πρόγραμμα</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="70"/>
        <source>Cerca</source>
        <translation>Αναζήτηση</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="78"/>
        <source>Numero  Bolle</source>
        <translation>Αριθμός δελτίων</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="101"/>
        <source>Esporta per AS400</source>
        <translation>Εξαγωγή για AS400</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="103"/>
        <source>Stampa</source>
        <translation>Εκτύπωση</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="104"/>
        <source>Apri</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <location filename="../lots/tricercabolle.cpp" line="142"/>
        <source>(tutti)</source>
        <translation>(όλοι)</translation>
    </message>
</context>
<context>
    <name>TTestCelle</name>
    <message>
        <location filename="../service/machinetests.cpp" line="84"/>
        <source>Test Celle</source>
        <translation>Δοκιμή κυψελών</translation>
    </message>
</context>
<context>
    <name>TTestEncoder</name>
    <message>
        <location filename="../service/machinetests.cpp" line="112"/>
        <source>Test Encoder</source>
        <translation>Δοκιμή κωδικοποιητή</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="116"/>
        <source>N. Giro</source>
        <translation>Αρ. περιστροφής</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="118"/>
        <source>Valore</source>
        <translation>Τιμή</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="120"/>
        <source>Ultimo Errore</source>
        <translation>Τελευταίο σφάλμα</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="120"/>
        <source>Penultimo Errore</source>
        <translation>Προτελευταίο σφάλμα</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="120"/>
        <source>Terzultimo Errore</source>
        <translation>Τρίτο από το τέλος σφάλμα</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="121"/>
        <source>Quartultimo Errore</source>
        <translation>Τέταρτο από το τέλος σφάλμα</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="121"/>
        <source>Quintultimo Errore</source>
        <translation>Πέμπτο από το τέλος σφάλμα</translation>
    </message>
</context>
<context>
    <name>TTestMagneti</name>
    <message>
        <location filename="../service/machinetests.cpp" line="131"/>
        <source>Test Magneti</source>
        <translation>Δοκιμή μαγνητών</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="137"/>
        <source>Uscita N.</source>
        <translation>Έξοδος αρ.</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="144"/>
        <source>Inizio</source>
        <extracomment>button: starts the test of the chosen exit (a verb)</extracomment>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="154"/>
        <source>Test Dinamico</source>
        <translation>Δυναμική δοκιμή</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="155"/>
        <source>Test Statico</source>
        <translation>Στατική δοκιμή</translation>
    </message>
</context>
<context>
    <name>TTestMem</name>
    <message>
        <location filename="../service/machinetests.cpp" line="95"/>
        <source>TEST NETTO MEMORIZZATO</source>
        <translation>ΔΟΚΙΜΗ ΑΠΟΘΗΚΕΥΜΕΝΟΥ ΚΑΘΑΡΟΥ</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="97"/>
        <source>N. TAZZA</source>
        <translation>ΑΡ. ΚΥΠΕΛΛΟΥ</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="97"/>
        <source>TARA</source>
        <translation>ΑΠΟΒΑΡΟ</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="97"/>
        <source>NETTO</source>
        <translation>ΚΑΘΑΡΟ</translation>
    </message>
</context>
<context>
    <name>TTestOscilloscopio</name>
    <message>
        <location filename="../service/oscilloscope.cpp" line="131"/>
        <source>Funzione Oscilloscopio</source>
        <translation>Λειτουργία παλμογράφου</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="137"/>
        <source>Linea in esame</source>
        <translation>Γραμμή υπό έλεγχο</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="143"/>
        <source>Tazza</source>
        <translation>Κύπελλο</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="146"/>
        <source>minimo</source>
        <translation>ελάχιστο</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="149"/>
        <source>massimo</source>
        <translation>μέγιστο</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="152"/>
        <source>Soglia lnnesco</source>
        <translation>Κατώφλι ενεργοποίησης</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="160"/>
        <source>Finestre di lettura</source>
        <translation>Παράθυρα ανάγνωσης</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="163"/>
        <source>Inizio</source>
        <extracomment>column heading: the sample where the reading window starts</extracomment>
        <translation>Αρχή</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="165"/>
        <source>Fine</source>
        <extracomment>column heading: the sample where the reading window ends</extracomment>
        <translation>Τέλος</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="167"/>
        <source>L %1</source>
        <translation>Γ %1</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="177"/>
        <source>Regolazione Fase</source>
        <translation>Ρύθμιση φάσης</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="179"/>
        <source>Fase Zero</source>
        <translation>Μηδενική φάση</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="184"/>
        <source>Aggiorna</source>
        <translation>Ενημέρωση</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="188"/>
        <source>Salva su File</source>
        <translation>Αποθήκευση σε αρχείο</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="192"/>
        <source>Copertura</source>
        <translation>Κάλυψη</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="202"/>
        <source>Cattura</source>
        <translation>Λήψη</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="203"/>
        <source>Zoom</source>
        <translation>Μεγέθυνση</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="204"/>
        <source>Globale</source>
        <translation>Συνολικά</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="216"/>
        <source>finestra di lettura</source>
        <translation>παράθυρο ανάγνωσης</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="219"/>
        <source>fuori finestra</source>
        <translation>εκτός παραθύρου</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="229"/>
        <source>campione</source>
        <translation>δείγμα</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="234"/>
        <source>peso (g)</source>
        <translation>βάρος (g)</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="267"/>
        <location filename="../service/oscilloscope.cpp" line="272"/>
        <source>cattura</source>
        <translation>λήψη</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="272"/>
        <source>Ferma</source>
        <translation>Διακοπή</translation>
    </message>
    <message>
        <location filename="../service/oscilloscope.cpp" line="301"/>
        <source>Tracce senza tazza valida: %1</source>
        <translation>Κυματομορφές χωρίς έγκυρο κύπελλο: %1</translation>
    </message>
</context>
<context>
    <name>TTestTazzeVuote</name>
    <message>
        <location filename="../service/machinetests.cpp" line="160"/>
        <source>Test Tazze Vuote</source>
        <translation>Δοκιμή κενών κυπέλλων</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="163"/>
        <source>Numero Tazza</source>
        <translation>Αριθμός κυπέλλου</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="164"/>
        <source>Valore</source>
        <translation>Τιμή</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="166"/>
        <source>L %1</source>
        <translation>Γ %1</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="174"/>
        <source>Limite +/-</source>
        <translation>Όριο +/-</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="184"/>
        <source>Inizio</source>
        <extracomment>button: starts the empty-cup test (a verb)</extracomment>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="190"/>
        <source>Questa fuzione serve a localizzare Tazze / Carrelli difettosi.
Le tazze che a vuoto si discostano oltre il limite impostato sia in 
positivo che in negativo saranno attivate sull&apos;uscita 1</source>
        <translation>Αυτή η λειτουργία εντοπίζει ελαττωματικά κύπελλα / φορεία.
Τα κύπελλα που κενά αποκλίνουν πέρα από το όριο, είτε 
θετικά είτε αρνητικά, θα ενεργοποιηθούν στην έξοδο 1</translation>
    </message>
</context>
<context>
    <name>Texpfiltdata</name>
    <message>
        <location filename="../export/expfildata.cpp" line="171"/>
        <source>Esporta Bolle con filtro per DATA</source>
        <translation>Εξαγωγή δελτίων με φίλτρο ΗΜΕΡΟΜΗΝΙΑΣ</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="183"/>
        <source>Data inizio</source>
        <translation>Ημερομηνία έναρξης</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="184"/>
        <source>Data Fine</source>
        <translation>Ημερομηνία λήξης</translation>
    </message>
    <message>
        <location filename="../export/expfildata.cpp" line="185"/>
        <source>ESPORTA</source>
        <translation>ΕΞΑΓΩΓΗ</translation>
    </message>
</context>
<context>
    <name>Tpasswd</name>
    <message>
        <location filename="../setup/installation.cpp" line="380"/>
        <source>Password Accesso Servizio</source>
        <translation>Κωδικός πρόσβασης σέρβις</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="382"/>
        <source>Password</source>
        <translation>Κωδικός πρόσβασης</translation>
    </message>
    <message>
        <location filename="../setup/installation.cpp" line="387"/>
        <source>Entra</source>
        <translation>Είσοδος</translation>
    </message>
</context>
<context>
    <name>TrasfView</name>
    <message>
        <location filename="../service/machinetests.cpp" line="206"/>
        <source>Trasferimento dati</source>
        <translation>Μεταφορά δεδομένων</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="209"/>
        <source>Trasferimento dati in corso...</source>
        <translation>Μεταφορά δεδομένων σε εξέλιξη...</translation>
    </message>
</context>
<context>
    <name>Ttabtara</name>
    <message>
        <location filename="../service/machinetests.cpp" line="220"/>
        <source>TABELLA TARA</source>
        <translation>ΠΙΝΑΚΑΣ ΑΠΟΒΑΡΩΝ</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="226"/>
        <source>Tazza</source>
        <translation>Κύπελλο</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="226"/>
        <source>L 1</source>
        <translation>Γ 1</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="226"/>
        <source>L 2</source>
        <translation>Γ 2</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="226"/>
        <source>L 3</source>
        <translation>Γ 3</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="226"/>
        <source>L 4</source>
        <translation>Γ 4</translation>
    </message>
    <message>
        <location filename="../service/machinetests.cpp" line="229"/>
        <source>Rinfresca</source>
        <translation>Ανανέωση</translation>
    </message>
</context>
<context>
    <name>cSelvik</name>
    <message>
        <location filename="../link/cSelvik.cpp" line="333"/>
        <source>Il comando R non ha ricevuto una risposta corretta</source>
        <translation>Η εντολή R δεν έλαβε σωστή απάντηση</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="456"/>
        <source>0 - Accesa    </source>
        <translation>0 - Αναμμένη</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="456"/>
        <source>1 - Stand By</source>
        <translation>1 - Αναμονή</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="457"/>
        <source>2 - Attesa Encoder</source>
        <translation>2 - Αναμονή κωδικοποιητή</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="457"/>
        <source>3 - Tara iniziale</source>
        <translation>3 - Αρχικό απόβαρο</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="458"/>
        <source>4 - Lavorazione</source>
        <translation>4 - Σε λειτουργία</translation>
    </message>
    <message>
        <location filename="../link/cSelvik.cpp" line="458"/>
        <source>5 - Fine partita</source>
        <translation>5 - Τέλος παρτίδας</translation>
    </message>
</context>
<context>
    <name>inifile</name>
    <message>
        <location filename="../config/inifile.cpp" line="44"/>
        <source>Impossibile leggere %1: %2</source>
        <translation>Δεν είναι δυνατή η ανάγνωση του %1: %2</translation>
    </message>
    <message>
        <location filename="../config/inifile.cpp" line="78"/>
        <location filename="../config/inifile.cpp" line="82"/>
        <source>Impossibile scrivere %1: %2</source>
        <translation>Δεν είναι δυνατή η εγγραφή του %1: %2</translation>
    </message>
</context>
<context>
    <name>printboll</name>
    <message>
        <location filename="../reports/printboll.cpp" line="19"/>
        <source>QUALITA %1</source>
        <translation>ΠΟΙΟΤΗΤΑ %1</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="22"/>
        <source>calibro</source>
        <translation>μέγεθος</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="23"/>
        <source>peso</source>
        <translation>βάρος</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="24"/>
        <location filename="../reports/printboll.cpp" line="122"/>
        <source>Totali</source>
        <translation>Σύνολα</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="25"/>
        <location filename="../reports/printboll.cpp" line="123"/>
        <source>Perc.</source>
        <translation>Ποσ.</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="74"/>
        <source>Bolla in corso</source>
        <translation>Δελτίο σε εξέλιξη</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="74"/>
        <source>Bolla %1</source>
        <translation>Δελτίο %1</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="81"/>
        <source>STAMPA BOLLA</source>
        <translation>ΕΚΤΥΠΩΣΗ ΔΕΛΤΙΟΥ</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="82"/>
        <source>Data :</source>
        <translation>Ημερομηνία :</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="87"/>
        <source>Totali Temporanei</source>
        <translation>Προσωρινά σύνολα</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="89"/>
        <source>Numero Bolla:</source>
        <translation>Αριθμός δελτίου:</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="91"/>
        <source>Numero Registrazione :</source>
        <translation>Αριθμός εγγραφής :</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="106"/>
        <source>Codice Programma :</source>
        <translation>Κωδικός προγράμματος :</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="106"/>
        <source>Descrizione programma</source>
        <translation>Περιγραφή προγράμματος</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="107"/>
        <source>Codice Produttore :</source>
        <translation>Κωδικός παραγωγού :</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="107"/>
        <source>Descrizione produttore</source>
        <translation>Περιγραφή παραγωγού</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="127"/>
        <source>Totale Q%1</source>
        <translation>Σύνολο Π%1</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="140"/>
        <source>Totale Generale</source>
        <translation>Γενικό σύνολο</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="144"/>
        <source>Totale Partita</source>
        <translation>Σύνολο παρτίδας</translation>
    </message>
    <message>
        <location filename="../reports/printboll.cpp" line="148"/>
        <source>Note:</source>
        <translation>Σημειώσεις:</translation>
    </message>
</context>
<context>
    <name>printprog</name>
    <message>
        <location filename="../reports/printprog.cpp" line="20"/>
        <source>Data :</source>
        <translation>Ημερομηνία :</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="40"/>
        <source>Programma %1</source>
        <translation>Πρόγραμμα %1</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="42"/>
        <source>STAMPA PROGRAMMA</source>
        <translation>ΕΚΤΥΠΩΣΗ ΠΡΟΓΡΑΜΜΑΤΟΣ</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="43"/>
        <source>Programma :</source>
        <translation>Πρόγραμμα :</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="46"/>
        <source>Descrizione:</source>
        <translation>Περιγραφή:</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="56"/>
        <source>Qualita %1</source>
        <translation>Ποιότητα %1</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="58"/>
        <source>calibro</source>
        <translation>μέγεθος</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="59"/>
        <source>Pesi</source>
        <translation>Βάρη</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="79"/>
        <source>Installazione</source>
        <translation>Εγκατάσταση</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="81"/>
        <source>STAMPA INSTALLAZIONE</source>
        <translation>ΕΚΤΥΠΩΣΗ ΕΓΚΑΤΑΣΤΑΣΗΣ</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="86"/>
        <source>Numero Linee =</source>
        <translation>Αριθμός γραμμών =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="86"/>
        <source>Numero Tazze =</source>
        <translation>Αριθμός κυπέλλων =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="87"/>
        <source>Ritardo Tara =</source>
        <translation>Καθυστέρηση απόβαρου =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="87"/>
        <source>Tipo Tara =</source>
        <translation>Τύπος απόβαρου =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="88"/>
        <source>Direzione encoder =</source>
        <translation>Φορά κωδικοποιητή =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="88"/>
        <source>Zero Encoder =</source>
        <translation>Μηδέν κωδικοποιητή =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="91"/>
        <source>Fine Campione</source>
        <translation>Τέλος δείγματος</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="92"/>
        <source>Distanza FC =</source>
        <translation>Απόσταση ΤΔ =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="93"/>
        <source>Durata FC =</source>
        <translation>Διάρκεια ΤΔ =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="100"/>
        <source>punto iniz. peso L%1 =</source>
        <translation>αρχή ζύγισης Γ%1 =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="101"/>
        <source>punto Fine peso L%1 =</source>
        <translation>τέλος ζύγισης Γ%1 =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="102"/>
        <source>Kappa  L%1 =</source>
        <translation>Kappa  Γ%1 =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="103"/>
        <source>Qualità  L%1 =</source>
        <translation>Ποιότητα  Γ%1 =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="108"/>
        <source>Seriale Centralina =</source>
        <translation>Σειριακή κεντρικής μονάδας =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="109"/>
        <source>Seriale  Barcode   =</source>
        <translation>Σειριακή  γραμμωτού =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="110"/>
        <source>Seriale  Scarti       =</source>
        <translation>Σειριακή  απορρίψεων =</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="125"/>
        <source>Produttore %1</source>
        <translation>Παραγωγός %1</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="133"/>
        <source>Data</source>
        <translation>Ημερομηνία</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="134"/>
        <source>Bolla</source>
        <translation>Δελτίο</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="135"/>
        <source>Prog.</source>
        <translation>Πρόγ.</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="136"/>
        <source>Qualita %1 (%2 / %)</source>
        <translation>Ποιότητα %1 (%2 / %)</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="137"/>
        <source>Totale %1</source>
        <translation>Σύνολο %1</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="152"/>
        <source>TOTALE</source>
        <translation>ΣΥΝΟΛΟ</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="161"/>
        <source>RIEPILOGO BOLLE PRODUTTORE</source>
        <translation>ΣΥΓΚΕΝΤΡΩΤΙΚΟ ΔΕΛΤΙΩΝ ΠΑΡΑΓΩΓΟΥ</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="162"/>
        <source>Produttore: %1  %2</source>
        <translation>Παραγωγός: %1  %2</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="163"/>
        <source>dal %1 al %2</source>
        <translation>από %1 έως %2</translation>
    </message>
    <message>
        <location filename="../reports/printprog.cpp" line="174"/>
        <source>Pagina %1</source>
        <translation>Σελίδα %1</translation>
    </message>
</context>
<context>
    <name>sidefile</name>
    <message>
        <location filename="../base/sidefile.cpp" line="11"/>
        <location filename="../base/sidefile.cpp" line="15"/>
        <source>Impossibile scrivere il file %1: %2</source>
        <translation>Δεν είναι δυνατή η εγγραφή του αρχείου %1: %2</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <location filename="../base/text.cpp" line="96"/>
        <source>Il carattere &apos;%1&apos; non può essere scritto in %2: usare solo lettere, cifre e segni dell&apos;alfabeto latino</source>
        <translation>Ο χαρακτήρας &apos;%1&apos; δεν μπορεί να γραφτεί στο %2: χρησιμοποιήστε μόνο γράμματα, ψηφία και σύμβολα του λατινικού αλφαβήτου</translation>
    </message>
</context>
</TS>
