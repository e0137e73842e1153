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
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Flashes the whole screen 3 to 27 times a second. Flashing light at these rates can trigger seizures in people with photosensitive epilepsy: leave Visualizer unchecked if you may be at risk.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Fa lampeggiare l’intero schermo da 3 a 27 volte al secondo. Una luce che lampeggia a queste frequenze può scatenare crisi nelle persone con epilessia fotosensibile: se potresti essere a rischio, lascia «Visualizzare» disattivato.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Visualizer</source>
        <translation>Visualizzare</translation>
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
        <translation>Questo programma ti porta dalla normale frequenza della veglia fino alle basse frequenze delta, lontano da tutto. Nel punto più basso vedrai una luce blu, dall’effetto provato sul ritmo circadiano, che ti aiuta a restare sveglio. Così mantieni il pieno controllo della mente mentre attraversi questo stato di rilassamento.</translation>
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
        <translation>Questo programma è pensato per sessioni brevi che rinvigoriscono la mente e la riportano su dalle basse frequenze del sonno. Tutti i colori di questa sessione contengono luce blu, che agisce sul ritmo circadiano per svegliarti.</translation>
    </message>
    <message>
        <source>Quick Meditation</source>
        <translation>Meditazione breve</translation>
    </message>
    <message>
        <source> This program is designed for shorter duration meditation sessions. It will only take you down to the alpha wave state, this will allow a quick relaxation without making it difficult to bring yourself back to an awake and fully alert state.</source>
        <translation>Questo programma è pensato per sessioni di meditazione più brevi. Ti porta solo fino allo stato alfa: ti rilassi in fretta e poi torni senza fatica a uno stato sveglio e pienamente vigile.</translation>
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
    <name>TonePlayer</name>
    <message>
        <source>Binaural tone</source>
        <translation>Tono binaurale</translation>
    </message>
</context>
</TS>
