<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AmbientPlayer</name>
    <message>
        <source>Ambient sound</source>
        <translation>Suono ambientale</translation>
    </message>
</context>
<context>
    <name>AmbientSound</name>
    <message>
        <source>Pink Noise</source>
        <translation>Rumore rosa</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Acqua</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Pioggia</translation>
    </message>
    <message>
        <source>Lullaby</source>
        <translation>Ninna nanna</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Brown Noise</source>
        <translation>Rumore marrone</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>Rumore bianco</translation>
    </message>
</context>
<context>
    <name>LightWarningDialog</name>
    <message>
        <source>Flashing Light</source>
        <translation>Luce lampeggiante</translation>
    </message>
    <message>
        <source>The visualizer fills the screen with colour that flashes 3 to 27 times a second.</source>
        <translation>Il visualizzatore riempie lo schermo di un colore che lampeggia da 3 a 27 volte al secondo.</translation>
    </message>
    <message>
        <source>If you have photosensitive epilepsy or have ever had a seizure brought on by light, do not look at it: ask a doctor first.</source>
        <translation>Se soffri di epilessia fotosensibile o hai mai avuto una crisi scatenata dalla luce, non guardarla: chiedi prima a un medico.</translation>
    </message>
    <message>
        <source>Play Without the Light</source>
        <translation>Riproduci senza la luce</translation>
    </message>
    <message>
        <source>&amp;Show the Light</source>
        <translation>&amp;Mostra la luce</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Active Concentration</source>
        <translation>Concentrazione attiva</translation>
    </message>
    <message>
        <source>Complete Meditation</source>
        <translation>Meditazione completa</translation>
    </message>
    <message>
        <source>Deep Sleep</source>
        <translation>Sonno profondo</translation>
    </message>
    <message>
        <source>Deep Thought Meditation</source>
        <translation>Meditazione contemplativa</translation>
    </message>
    <message>
        <source>Dream Sleep</source>
        <translation>Sonno dei sogni</translation>
    </message>
    <message>
        <source>Morning Wake</source>
        <translation>Risveglio mattutino</translation>
    </message>
    <message>
        <source>Quick Meditation</source>
        <translation>Meditazione breve</translation>
    </message>
    <message>
        <source>Relaxed to Deep Thought</source>
        <translation>Dal relax alla contemplazione</translation>
    </message>
    <message>
        <source>Relaxed to Complete Meditation</source>
        <translation>Dal relax alla meditazione completa</translation>
    </message>
    <message>
        <source>Tired to Deep Sleep</source>
        <translation>Dalla stanchezza al sonno profondo</translation>
    </message>
    <message>
        <source>Tired to Dreaming</source>
        <translation>Dalla stanchezza ai sogni</translation>
    </message>
    <message>
        <source>Set session duration:</source>
        <translation>Durata della sessione:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Headphones required for best results</source>
        <translation>Usa le cuffie per un effetto migliore</translation>
    </message>
    <message>
        <source>Ambient Audio</source>
        <translation>Suono ambientale</translation>
    </message>
    <message>
        <source>Secondary Tone</source>
        <translation>Tono secondario</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Flashes the whole screen 3 to 27 times a second. Flashing light at these rates can trigger seizures in people with photosensitive epilepsy: uncheck Visualizer if you may be at risk.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Fa lampeggiare l’intero schermo da 3 a 27 volte al secondo. Una luce che lampeggia a queste frequenze può scatenare crisi nelle persone con epilessia fotosensibile: se pensi di poter essere a rischio, disattiva «Visualizza».&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Visualizer</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>0 h</source>
        <translation>0 h</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 h</translation>
    </message>
    <message>
        <source>2 h</source>
        <translation>2 h</translation>
    </message>
    <message>
        <source>3 h</source>
        <translation>3 h</translation>
    </message>
    <message>
        <source>4 h</source>
        <translation>4 h</translation>
    </message>
    <message>
        <source>5 h</source>
        <translation>5 h</translation>
    </message>
    <message>
        <source>6 h</source>
        <translation>6 h</translation>
    </message>
    <message>
        <source>7 h</source>
        <translation>7 h</translation>
    </message>
    <message>
        <source>8 h</source>
        <translation>8 h</translation>
    </message>
    <message>
        <source>9 h</source>
        <translation>9 h</translation>
    </message>
    <message>
        <source>10 h</source>
        <translation>10 h</translation>
    </message>
    <message>
        <source>11 h</source>
        <translation>11 h</translation>
    </message>
    <message>
        <source>12 h</source>
        <translation>12 h</translation>
    </message>
    <message>
        <source>5 m</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>10 m</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>15 m</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>20 m</source>
        <translation>20 min</translation>
    </message>
    <message>
        <source>25 m</source>
        <translation>25 min</translation>
    </message>
    <message>
        <source>30 m</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>35 m</source>
        <translation>35 min</translation>
    </message>
    <message>
        <source>40 m</source>
        <translation>40 min</translation>
    </message>
    <message>
        <source>45 m</source>
        <translation>45 min</translation>
    </message>
    <message>
        <source>50 m</source>
        <translation>50 min</translation>
    </message>
    <message>
        <source>55 m</source>
        <translation>55 min</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;Please select a session from the list to the left. A description of the session will appear in this block. &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Lucida Grande&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;After you have chosen a session, choose an ambient noise, set the duration, and press start to begin the session. &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;Scegli un programma dall’elenco a sinistra. Qui ne apparirà la descrizione. &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Lucida Grande&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;Poi scegli un suono ambientale e la durata, e premi «Avvia» per iniziare la sessione. &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Select a session first!</source>
        <translation>Scegli prima un programma!</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Your changes will take effect during the next tone scheduled tone change.</source>
        <translation>La modifica avrà effetto al prossimo cambio di tono programmato.</translation>
    </message>
    <message>
        <source>No sound output: check your speakers or headphones</source>
        <translation>Nessuna uscita audio: controlla gli altoparlanti o le cuffie</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Your Own Sound...</source>
        <translation>Il tuo suono...</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; is gone: Pink Noise plays instead.</source>
        <translation>Il tuo suono «%1» non c’è più: al suo posto suona il rumore rosa.</translation>
    </message>
    <message>
        <source>Sound files (%1)</source>
        <translation>File audio (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Choose Your Own Sound</source>
        <translation>Scegli il tuo suono</translation>
    </message>
    <message>
        <source>&amp;Programs</source>
        <translation>&amp;Programmi</translation>
    </message>
    <message>
        <source>&amp;New Program...</source>
        <translation>&amp;Nuovo programma…</translation>
    </message>
    <message>
        <source>&amp;Open Program File...</source>
        <translation>&amp;Apri file di programma…</translation>
    </message>
    <message>
        <source>&amp;Edit Program...</source>
        <translation>&amp;Modifica programma…</translation>
    </message>
    <message>
        <source>D&amp;uplicate Program...</source>
        <translation>D&amp;uplica programma…</translation>
    </message>
    <message>
        <source>&amp;Delete Program</source>
        <translation>&amp;Elimina programma</translation>
    </message>
    <message>
        <source>%1: this program&apos;s file has an error</source>
        <translation>%1: il file di questo programma contiene un errore</translation>
    </message>
    <message>
        <source>New Program</source>
        <translation>Nuovo programma</translation>
    </message>
    <message>
        <source>Open Program File</source>
        <translation>Apri file di programma</translation>
    </message>
    <message>
        <source>Velmora programs (*.velmora)</source>
        <translation>Programmi di Velmora (*.velmora)</translation>
    </message>
    <message>
        <source>Edit Program</source>
        <translation>Modifica programma</translation>
    </message>
    <message>
        <source>Duplicate Program</source>
        <translation>Duplica programma</translation>
    </message>
    <message>
        <source>Choose a program to duplicate first.</source>
        <translation>Scegli prima un programma da duplicare.</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Elimina programma</translation>
    </message>
    <message>
        <source>Move &quot;%1&quot; to the trash?</source>
        <translation>Spostare «%1» nel cestino?</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programmi</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Export Session...</source>
        <translation>&amp;Esporta sessione…</translation>
    </message>
    <message>
        <source>Export Session</source>
        <translation>Esporta sessione</translation>
    </message>
    <message>
        <source>Sound files (*.flac *.mp3 *.ogg *.opus *.wav)</source>
        <translation>File audio (*.flac *.mp3 *.ogg *.opus *.wav)</translation>
    </message>
    <message>
        <source>End the file name with .flac, .mp3, .ogg, .opus or .wav.</source>
        <translation>Termina il nome del file con .flac, .mp3, .ogg, .opus o .wav.</translation>
    </message>
    <message>
        <source>Exporting the session...</source>
        <translation>Esportazione della sessione…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%1% done, about %2 left</source>
        <translation>%1% completato, circa %2 rimanenti</translation>
    </message>
    <message>
        <source>Session exported to %1</source>
        <translation>Sessione esportata in %1</translation>
    </message>
    <message>
        <source>Export cancelled: no file written</source>
        <translation>Esportazione annullata: nessun file scritto</translation>
    </message>
    <message>
        <source>The session could not be exported: %1</source>
        <translation>Impossibile esportare la sessione: %1</translation>
    </message>
</context>
<context>
    <name>OwnSound</name>
    <message>
        <source>Your own sound &quot;%1&quot; is missing.</source>
        <translation>Il tuo suono «%1» manca.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; cannot be read.</source>
        <translation>Il tuo suono «%1» non si può leggere.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; is not a sound file Velmora can play.</source>
        <translation>Il tuo suono «%1» non è un file audio che Velmora può riprodurre.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; holds no sound.</source>
        <translation>Il tuo suono «%1» non contiene alcun suono.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; is damaged part way through.</source>
        <translation>Il tuo suono «%1» è danneggiato a metà.</translation>
    </message>
</context>
<context>
    <name>ProgramCatalogue</name>
    <message>
        <source>Active Concentration</source>
        <translation>Concentrazione attiva</translation>
    </message>
    <message>
        <source>This program will raise your brain wave frequency, allowing you maximum alertness to tackle whatever deserves your complete attention.</source>
        <translation>Questo programma alza la frequenza delle tue onde cerebrali e ti rende pienamente vigile per affrontare tutto ciò che merita la tua completa attenzione.</translation>
    </message>
    <message>
        <source>Complete Meditation</source>
        <translation>Meditazione completa</translation>
    </message>
    <message>
        <source>This program will take you from the average waking frequency to the low delta frequencies to take you away from it all. At the bottom of the frequency range you will be presented with blue light, proven to react with your circadian rhythm to help keep you awake. This will allow you full control of your mind as you journey through this relaxing state.</source>
        <translation>Questo programma ti porta dalla normale frequenza della veglia fino alle basse frequenze delta, lontano da tutto. Nel punto più basso vedrai una luce blu, dall’effetto comprovato sul ritmo circadiano, che ti aiuta a restare sveglio. Così mantieni il pieno controllo della mente mentre attraversi questo stato di rilassamento.</translation>
    </message>
    <message>
        <source>Deep Sleep</source>
        <translation>Sonno profondo</translation>
    </message>
    <message>
        <source>Like the previous program, this one also takes you down from normal waking levels to the delta levels associated with deep sleep and loss of body awareness. It uses long-wavelength red light, which has less effect on the circadian system that blue light, allowing you to drift into a restful slumber.</source>
        <translation>Come il programma precedente, anche questo ti porta dalla veglia normale fino alle frequenze delta, legate al sonno profondo e alla perdita della percezione del corpo. Usa luce rossa a onda lunga, che influisce sul ritmo circadiano meno della luce blu, per lasciarti scivolare in un sonno ristoratore.</translation>
    </message>
    <message>
        <source>Deep Thought Meditation</source>
        <translation>Meditazione contemplativa</translation>
    </message>
    <message>
        <source>Unlike the Complete Meditation program, this one will only lower you down to the theta wave state. This frequency is associated with deep meditation and will allow you more brain activity during your session. It uses the same blue light to help keep your circadian rhythm in the waking state.</source>
        <translation>A differenza di «Meditazione completa», questo programma ti porta solo fino allo stato theta. Questa frequenza è legata alla meditazione profonda e lascia al cervello più attività durante la sessione. Usa la stessa luce blu per mantenere il tuo ritmo circadiano nello stato di veglia.</translation>
    </message>
    <message>
        <source>Dream Sleep</source>
        <translation>Sonno dei sogni</translation>
    </message>
    <message>
        <source>This program also takes you down to the theta wave state, but uses red light for minimal effect on the circadian rhythm. During sleep, the theta wave frequencies are associated with REM sleep and a period of dreaming.</source>
        <translation>Anche questo programma ti porta allo stato theta, ma con luce rossa, che influisce appena sul ritmo circadiano. Durante il sonno, le frequenze theta sono legate alla fase REM, il periodo dei sogni.</translation>
    </message>
    <message>
        <source>Morning Wake</source>
        <translation>Risveglio mattutino</translation>
    </message>
    <message>
        <source>This selection is designed for short session that will invigorate your mind and bring it up from the lower frequencies associated with sleep. All of the colors used during this session contain blue light, which reacts with circadian system to bring you to a waking state.</source>
        <translation>Questo programma è pensato per sessioni brevi che rinvigoriscono la mente e la fanno risalire dalle basse frequenze del sonno. Tutti i colori di questa sessione contengono luce blu, che agisce sul ritmo circadiano per svegliarti.</translation>
    </message>
    <message>
        <source>Quick Meditation</source>
        <translation>Meditazione breve</translation>
    </message>
    <message>
        <source> This program is designed for shorter duration meditation sessions. It will only take you down to the alpha wave state, this will allow a quick relaxation without making it difficult to bring yourself back to an awake and fully alert state.</source>
        <translation>Questo programma è pensato per sessioni di meditazione più brevi. Ti porta solo fino allo stato alfa: ti rilassi in fretta e poi torni senza fatica a uno stato di veglia, pienamente vigile.</translation>
    </message>
    <message>
        <source>Relaxed to Deep Thought</source>
        <translation>Dal relax alla contemplazione</translation>
    </message>
    <message>
        <source>This program is exactly like the Deep Thought Meditation program, except it begins your journey at the high alpha wave state. This is beneficial if you are already in a relaxed state and find the Deep Thought Meditation program starts off at too high a frequency.</source>
        <translation>Questo programma è identico a «Meditazione contemplativa», ma inizia il viaggio dallo stato alfa alto. È utile se sei già rilassato e trovi che «Meditazione contemplativa» parta da una frequenza troppo alta.</translation>
    </message>
    <message>
        <source>Relaxed to Complete Meditation</source>
        <translation>Dal relax alla meditazione completa</translation>
    </message>
    <message>
        <source>This program is equivalent to the Complete Meditation program in the same way that the Relaxed to Deep Thought program is similar to Deep Thought Meditation. Use it if you are beginning in a relaxed state and want to go down to a deep meditation.</source>
        <translation>Questo programma sta a «Meditazione completa» come «Dal relax alla contemplazione» sta a «Meditazione contemplativa». Usalo se parti già rilassato e vuoi scendere in una meditazione profonda.</translation>
    </message>
    <message>
        <source>Tired to Deep Sleep</source>
        <translation>Dalla stanchezza al sonno profondo</translation>
    </message>
    <message>
        <source>This program is designed for people who are already tired or relaxed and want to go down to the sleep state that the Deep Sleep program induces.</source>
        <translation>Questo programma è pensato per chi è già stanco o rilassato e vuole scendere nello stato di sonno indotto da «Sonno profondo».</translation>
    </message>
    <message>
        <source>Tired to Dreaming</source>
        <translation>Dalla stanchezza ai sogni</translation>
    </message>
    <message>
        <source>This program is designed for people who are already tired or relaxed and want to go down to the sleep state that the Dream Sleep program induces.</source>
        <translation>Questo programma è pensato per chi è già stanco o rilassato e vuole scendere nello stato di sonno indotto da «Sonno dei sogni».</translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>Ending...</source>
        <translation>In chiusura…</translation>
    </message>
    <message>
        <source>Time Left: %1 Press esc to exit visualizer</source>
        <translation>Tempo rimanente: %1 – Esc per uscire</translation>
    </message>
</context>
<context>
    <name>ToneKind</name>
    <message>
        <source>Binaural Beat (Headphones)</source>
        <translation>Battimento binaurale (cuffie)</translation>
    </message>
    <message>
        <source>Isochronic Pulses (Speakers)</source>
        <translation>Impulsi isocronici (altoparlanti)</translation>
    </message>
    <message>
        <source>Monaural Beat (Speakers)</source>
        <translation>Battimento monoaurale (altoparlanti)</translation>
    </message>
</context>
<context>
    <name>TonePlayer</name>
    <message>
        <source>Binaural tone</source>
        <translation>Tono binaurale</translation>
    </message>
</context>
<context>
    <name>BeatPlot</name>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
</context>
<context>
    <name>KeyFile</name>
    <message>
        <source>&quot;%1&quot; is not a group name</source>
        <translation>«%1» non è un nome di gruppo</translation>
    </message>
    <message>
        <source>the line is neither a [group], a key=value pair nor a #comment</source>
        <translation>la riga non è un [gruppo], né una coppia chiave=valore, né un #commento</translation>
    </message>
    <message>
        <source>a key comes before the first group</source>
        <translation>una chiave precede il primo gruppo</translation>
    </message>
</context>
<context>
    <name>ProgramChoice</name>
    <message>
        <source>This program&apos;s file has an error.</source>
        <translation>Il file di questo programma contiene un errore.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ProgramEditor</name>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descrizione:</translation>
    </message>
    <message>
        <source>&amp;Stages, in the order they play:</source>
        <translation>&amp;Fasi, nell’ordine in cui suonano:</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Beat from (Hz)</source>
        <translation>Battimento da (Hz)</translation>
    </message>
    <message>
        <source>Beat to (Hz)</source>
        <translation>Battimento a (Hz)</translation>
    </message>
    <message>
        <source>Colour from</source>
        <translation>Colore da</translation>
    </message>
    <message>
        <source>Colour to</source>
        <translation>Colore a</translation>
    </message>
    <message>
        <source>&amp;Add Stage</source>
        <translation>&amp;Aggiungi fase</translation>
    </message>
    <message>
        <source>&amp;Remove Stage</source>
        <translation>&amp;Rimuovi fase</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Sposta &amp;su</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Sposta &amp;giù</translation>
    </message>
    <message>
        <source>The beat over a session of %1:</source>
        <translation>Il battimento in una sessione di %1:</translation>
    </message>
    <message>
        <source>Stage %1, %2: %3</source>
        <translation>Fase %1, %2: %3</translation>
    </message>
    <message>
        <source>A program needs a name.</source>
        <translation>Un programma ha bisogno di un nome.</translation>
    </message>
    <message>
        <source>Name: a program needs a name.</source>
        <translation>Nome: un programma ha bisogno di un nome.</translation>
    </message>
    <message>
        <source>A program needs at least one stage.</source>
        <translation>Un programma ha bisogno di almeno una fase.</translation>
    </message>
    <message>
        <source>Write a time such as 90s, 5m or 1h30m, a share of the session such as 20%, or rest.</source>
        <translation>Scrivi un tempo come 90s, 5m o 1h30m, una quota della sessione come 20%, oppure rest.</translation>
    </message>
    <message>
        <source>Stage %1 takes the rest already; only one stage may.</source>
        <translation>La fase %1 prende già il resto; solo una fase può farlo.</translation>
    </message>
    <message>
        <source>The shares of the session come to more than 100%.</source>
        <translation>Le quote della sessione superano il 100%.</translation>
    </message>
    <message>
        <source>Write a beat from 0.5 to 40 Hz.</source>
        <translation>Scrivi un battimento da 0.5 a 40 Hz.</translation>
    </message>
    <message>
        <source>Write one of %1, or #rrggbb.</source>
        <translation>Scrivi uno tra %1, oppure #rrggbb.</translation>
    </message>
    <message>
        <source>The plot returns when every stage can be read.</source>
        <translation>Il grafico ritorna quando ogni fase è leggibile.</translation>
    </message>
</context>
<context>
    <name>ProgramFile</name>
    <message>
        <source>%1: there is no such file</source>
        <translation>%1: il file non esiste</translation>
    </message>
    <message>
        <source>%1: the file cannot be read: %2</source>
        <translation>%1: impossibile leggere il file: %2</translation>
    </message>
    <message>
        <source>%1: the file is larger than 1 MiB; a program file is a few lines of text</source>
        <translation>%1: il file supera 1 MiB; un file di programma è di poche righe di testo</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: riga %2: %3</translation>
    </message>
    <message>
        <source>%1: Stage %2, %3 (line %4): %5</source>
        <translation>%1: Stage %2, %3 (riga %4): %5</translation>
    </message>
    <message>
        <source>this is not a text file (it holds a zero byte)</source>
        <translation>non è un file di testo (contiene un byte nullo)</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>il testo non è in UTF-8</translation>
    </message>
    <message>
        <source>%1: there is no [Velmora Program] group</source>
        <translation>%1: manca il gruppo [Velmora Program]</translation>
    </message>
    <message>
        <source>[Velmora Program] has no Name</source>
        <translation>[Velmora Program] non ha Name</translation>
    </message>
    <message>
        <source>[%1]: stages are numbered from 1 to %2, as [Stage 1]</source>
        <translation>[%1]: le fasi sono numerate da 1 a %2, come [Stage 1]</translation>
    </message>
    <message>
        <source>the program has no stages; add a [Stage 1] group</source>
        <translation>il programma non ha fasi; aggiungi un gruppo [Stage 1]</translation>
    </message>
    <message>
        <source>%1: Stage %2 (line %3): there is no %4</source>
        <translation>%1: Stage %2 (riga %3): manca %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a length; write a time such as 90s, 5m or 1h30m, a share of the session such as 20%, or rest</source>
        <translation>«%1» non è una durata; scrivi un tempo come 90s, 5m o 1h30m, una quota della sessione come 20%, oppure rest</translation>
    </message>
    <message>
        <source>Stage %1 takes the rest already; only one stage may</source>
        <translation>la fase %1 prende già il resto; solo una fase può farlo</translation>
    </message>
    <message>
        <source>the shares of the session come to more than 100%</source>
        <translation>le quote della sessione superano il 100%</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a beat from 0.5 to 40 Hz; write one such as 8, or a ramp such as 18 to 8</source>
        <translation>«%1» non è un battimento da 0.5 a 40 Hz; scrivine uno come 8, o una rampa come 18 to 8</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a kind of tone; write one of %2</source>
        <translation>«%1» non è un tipo di tono; scrivi uno tra %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; write one of %2 or #rrggbb, or a ramp such as yellow to blue</source>
        <translation>«%1» non è un colore; scrivi uno tra %2 o #rrggbb, o una rampa come yellow to blue</translation>
    </message>
</context>
<context>
    <name>ProgramLibrary</name>
    <message>
        <source>%1: the program could not be saved: %2</source>
        <translation>%1: impossibile salvare il programma: %2</translation>
    </message>
    <message>
        <source>%1: the file cannot be read: %2</source>
        <translation>%1: impossibile leggere il file: %2</translation>
    </message>
    <message>
        <source>%1: the program could not be moved to the trash: %2</source>
        <translation>%1: impossibile spostare il programma nel cestino: %2</translation>
    </message>
</context>
<context>
    <name>StagePlanner</name>
    <message>
        <source>This program&apos;s shares of the session leave no time for its fixed stages.</source>
        <translation>Le quote di sessione di questo programma non lasciano tempo alle sue fasi fisse.</translation>
    </message>
    <message>
        <source>This program needs at least %1.</source>
        <translation>Questo programma richiede almeno %1.</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
</context>
</TS>
