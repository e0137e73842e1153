<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AmbientPlayer</name>
    <message>
        <source>Ambient sound</source>
        <translation>Hintergrundklang</translation>
    </message>
</context>
<context>
    <name>AmbientSound</name>
    <message>
        <source>Pink Noise</source>
        <translation>Rosa Rauschen</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Regen</translation>
    </message>
    <message>
        <source>Lullaby</source>
        <translation>Schlaflied</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ohne</translation>
    </message>
    <message>
        <source>Brown Noise</source>
        <translation>Braunes Rauschen</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>Weißes Rauschen</translation>
    </message>
</context>
<context>
    <name>LightWarningDialog</name>
    <message>
        <source>Flashing Light</source>
        <translation>Blinkendes Licht</translation>
    </message>
    <message>
        <source>The visualizer fills the screen with colour that flashes 3 to 27 times a second.</source>
        <translation>Die Visualisierung füllt den Bildschirm mit Farbe, die 3- bis 27-mal pro Sekunde aufblinkt.</translation>
    </message>
    <message>
        <source>If you have photosensitive epilepsy or have ever had a seizure brought on by light, do not look at it: ask a doctor first.</source>
        <translation>Wenn Sie photosensible Epilepsie haben oder schon einmal einen durch Licht ausgelösten Anfall hatten, sehen Sie nicht hin: Fragen Sie zuerst einen Arzt.</translation>
    </message>
    <message>
        <source>Play Without the Light</source>
        <translation>Ohne Licht abspielen</translation>
    </message>
    <message>
        <source>&amp;Show the Light</source>
        <translation>&amp;Licht zeigen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Active Concentration</source>
        <translation>Aktive Konzentration</translation>
    </message>
    <message>
        <source>Complete Meditation</source>
        <translation>Tiefenmeditation</translation>
    </message>
    <message>
        <source>Deep Sleep</source>
        <translation>Tiefschlaf</translation>
    </message>
    <message>
        <source>Deep Thought Meditation</source>
        <translation>Tiefe Versenkung</translation>
    </message>
    <message>
        <source>Dream Sleep</source>
        <translation>Traumschlaf</translation>
    </message>
    <message>
        <source>Morning Wake</source>
        <translation>Morgendliches Erwachen</translation>
    </message>
    <message>
        <source>Quick Meditation</source>
        <translation>Kurzmeditation</translation>
    </message>
    <message>
        <source>Relaxed to Deep Thought</source>
        <translation>Entspannt in tiefe Versenkung</translation>
    </message>
    <message>
        <source>Relaxed to Complete Meditation</source>
        <translation>Entspannt zur Tiefenmeditation</translation>
    </message>
    <message>
        <source>Tired to Deep Sleep</source>
        <translation>Müde in den Tiefschlaf</translation>
    </message>
    <message>
        <source>Tired to Dreaming</source>
        <translation>Müde in den Traumschlaf</translation>
    </message>
    <message>
        <source>Set session duration:</source>
        <translation>Sitzungsdauer:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Headphones required for best results</source>
        <translation>Für beste Wirkung Kopfhörer verwenden</translation>
    </message>
    <message>
        <source>Ambient Audio</source>
        <translation>Hintergrundklang</translation>
    </message>
    <message>
        <source>Secondary Tone</source>
        <translation>Zweitton</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Flashes the whole screen 3 to 27 times a second. Flashing light at these rates can trigger seizures in people with photosensitive epilepsy: uncheck Visualizer if you may be at risk.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Lässt den ganzen Bildschirm 3- bis 27-mal pro Sekunde aufblitzen. Licht, das in diesem Takt blinkt, kann bei Menschen mit photosensibler Epilepsie Anfälle auslösen: Wenn Sie gefährdet sein könnten, schalten Sie „Visualisieren“ aus.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Visualizer</source>
        <translation>Visualisieren</translation>
    </message>
    <message>
        <source>0 h</source>
        <translation>0 Std.</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 Std.</translation>
    </message>
    <message>
        <source>2 h</source>
        <translation>2 Std.</translation>
    </message>
    <message>
        <source>3 h</source>
        <translation>3 Std.</translation>
    </message>
    <message>
        <source>4 h</source>
        <translation>4 Std.</translation>
    </message>
    <message>
        <source>5 h</source>
        <translation>5 Std.</translation>
    </message>
    <message>
        <source>6 h</source>
        <translation>6 Std.</translation>
    </message>
    <message>
        <source>7 h</source>
        <translation>7 Std.</translation>
    </message>
    <message>
        <source>8 h</source>
        <translation>8 Std.</translation>
    </message>
    <message>
        <source>9 h</source>
        <translation>9 Std.</translation>
    </message>
    <message>
        <source>10 h</source>
        <translation>10 Std.</translation>
    </message>
    <message>
        <source>11 h</source>
        <translation>11 Std.</translation>
    </message>
    <message>
        <source>12 h</source>
        <translation>12 Std.</translation>
    </message>
    <message>
        <source>5 m</source>
        <translation>5 Min.</translation>
    </message>
    <message>
        <source>10 m</source>
        <translation>10 Min.</translation>
    </message>
    <message>
        <source>15 m</source>
        <translation>15 Min.</translation>
    </message>
    <message>
        <source>20 m</source>
        <translation>20 Min.</translation>
    </message>
    <message>
        <source>25 m</source>
        <translation>25 Min.</translation>
    </message>
    <message>
        <source>30 m</source>
        <translation>30 Min.</translation>
    </message>
    <message>
        <source>35 m</source>
        <translation>35 Min.</translation>
    </message>
    <message>
        <source>40 m</source>
        <translation>40 Min.</translation>
    </message>
    <message>
        <source>45 m</source>
        <translation>45 Min.</translation>
    </message>
    <message>
        <source>50 m</source>
        <translation>50 Min.</translation>
    </message>
    <message>
        <source>55 m</source>
        <translation>55 Min.</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;Bitte wählen Sie links ein Programm. Hier erscheint dann seine Beschreibung. &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Lucida Grande&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;Wählen Sie danach einen Hintergrundklang und die Dauer, und drücken Sie „Starten“, um die Sitzung zu beginnen. &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Select a session first!</source>
        <translation>Bitte zuerst ein Programm wählen!</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Your changes will take effect during the next tone scheduled tone change.</source>
        <translation>Ihre Änderung wird beim nächsten planmäßigen Tonwechsel wirksam.</translation>
    </message>
    <message>
        <source>No sound output: check your speakers or headphones</source>
        <translation>Keine Tonausgabe: Lautsprecher oder Kopfhörer prüfen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Your Own Sound...</source>
        <translation>Eigener Klang...</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; is gone: Pink Noise plays instead.</source>
        <translation>Ihr eigener Klang „%1“ ist nicht mehr da: Stattdessen spielt rosa Rauschen.</translation>
    </message>
    <message>
        <source>Sound files (%1)</source>
        <translation>Audiodateien (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Choose Your Own Sound</source>
        <translation>Eigenen Klang wählen</translation>
    </message>
    <message>
        <source>&amp;Programs</source>
        <translation>&amp;Programme</translation>
    </message>
    <message>
        <source>&amp;New Program...</source>
        <translation>&amp;Neues Programm …</translation>
    </message>
    <message>
        <source>&amp;Open Program File...</source>
        <translation>Programmdatei ö&amp;ffnen …</translation>
    </message>
    <message>
        <source>&amp;Edit Program...</source>
        <translation>Programm &amp;bearbeiten …</translation>
    </message>
    <message>
        <source>D&amp;uplicate Program...</source>
        <translation>Programm &amp;duplizieren …</translation>
    </message>
    <message>
        <source>&amp;Delete Program</source>
        <translation>Programm &amp;löschen</translation>
    </message>
    <message>
        <source>%1: this program&apos;s file has an error</source>
        <translation>%1: Die Datei dieses Programms enthält einen Fehler</translation>
    </message>
    <message>
        <source>New Program</source>
        <translation>Neues Programm</translation>
    </message>
    <message>
        <source>Open Program File</source>
        <translation>Programmdatei öffnen</translation>
    </message>
    <message>
        <source>Velmora programs (*.velmora)</source>
        <translation>Velmora-Programme (*.velmora)</translation>
    </message>
    <message>
        <source>Edit Program</source>
        <translation>Programm bearbeiten</translation>
    </message>
    <message>
        <source>Duplicate Program</source>
        <translation>Programm duplizieren</translation>
    </message>
    <message>
        <source>Choose a program to duplicate first.</source>
        <translation>Wählen Sie zuerst ein Programm zum Duplizieren.</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Programm löschen</translation>
    </message>
    <message>
        <source>Move &quot;%1&quot; to the trash?</source>
        <translation>„%1“ in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Export Session...</source>
        <translation>Sitzung &amp;exportieren…</translation>
    </message>
    <message>
        <source>Export Session</source>
        <translation>Sitzung exportieren</translation>
    </message>
    <message>
        <source>Sound files (*.flac *.mp3 *.ogg *.opus *.wav)</source>
        <translation>Audiodateien (*.flac *.mp3 *.ogg *.opus *.wav)</translation>
    </message>
    <message>
        <source>End the file name with .flac, .mp3, .ogg, .opus or .wav.</source>
        <translation>Beenden Sie den Dateinamen mit .flac, .mp3, .ogg, .opus oder .wav.</translation>
    </message>
    <message>
        <source>Exporting the session...</source>
        <translation>Sitzung wird exportiert…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1% done, about %2 left</source>
        <translation>%1 % erledigt, noch etwa %2</translation>
    </message>
    <message>
        <source>Session exported to %1</source>
        <translation>Sitzung exportiert nach %1</translation>
    </message>
    <message>
        <source>Export cancelled: no file written</source>
        <translation>Export abgebrochen: keine Datei geschrieben</translation>
    </message>
    <message>
        <source>The session could not be exported: %1</source>
        <translation>Die Sitzung konnte nicht exportiert werden: %1</translation>
    </message>
</context>
<context>
    <name>OwnSound</name>
    <message>
        <source>Your own sound &quot;%1&quot; is missing.</source>
        <translation>Ihr eigener Klang „%1“ fehlt.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; cannot be read.</source>
        <translation>Ihr eigener Klang „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; is not a sound file Velmora can play.</source>
        <translation>Ihr eigener Klang „%1“ ist keine Audiodatei, die Velmora abspielen kann.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; holds no sound.</source>
        <translation>Ihr eigener Klang „%1“ enthält keinen Ton.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; is damaged part way through.</source>
        <translation>Ihr eigener Klang „%1“ ist mittendrin beschädigt.</translation>
    </message>
</context>
<context>
    <name>ProgramCatalogue</name>
    <message>
        <source>Active Concentration</source>
        <translation>Aktive Konzentration</translation>
    </message>
    <message>
        <source>This program will raise your brain wave frequency, allowing you maximum alertness to tackle whatever deserves your complete attention.</source>
        <translation>Dieses Programm hebt die Frequenz Ihrer Gehirnwellen an und macht Sie hellwach für alles, was Ihre volle Aufmerksamkeit verdient.</translation>
    </message>
    <message>
        <source>Complete Meditation</source>
        <translation>Tiefenmeditation</translation>
    </message>
    <message>
        <source>This program will take you from the average waking frequency to the low delta frequencies to take you away from it all. At the bottom of the frequency range you will be presented with blue light, proven to react with your circadian rhythm to help keep you awake. This will allow you full control of your mind as you journey through this relaxing state.</source>
        <translation>Dieses Programm führt Sie von der üblichen Wachfrequenz hinab zu den tiefen Delta-Frequenzen, weit weg vom Alltag. Am tiefsten Punkt sehen Sie blaues Licht, das nachweislich auf den zirkadianen Rhythmus wirkt und Sie wach hält. So behalten Sie die volle Kontrolle über Ihren Geist, während Sie diesen entspannten Zustand durchwandern.</translation>
    </message>
    <message>
        <source>Deep Sleep</source>
        <translation>Tiefschlaf</translation>
    </message>
    <message>
        <source>Like the previous program, this one also takes you down from normal waking levels to the delta levels associated with deep sleep and loss of body awareness. It uses long-wavelength red light, which has less effect on the circadian system that blue light, allowing you to drift into a restful slumber.</source>
        <translation>Wie das vorige Programm führt auch dieses vom normalen Wachzustand hinab zu den Delta-Frequenzen, die zu Tiefschlaf und schwindendem Körpergefühl gehören. Es nutzt langwelliges rotes Licht, das den zirkadianen Rhythmus weniger beeinflusst als blaues, sodass Sie in einen erholsamen Schlaf sinken.</translation>
    </message>
    <message>
        <source>Deep Thought Meditation</source>
        <translation>Tiefe Versenkung</translation>
    </message>
    <message>
        <source>Unlike the Complete Meditation program, this one will only lower you down to the theta wave state. This frequency is associated with deep meditation and will allow you more brain activity during your session. It uses the same blue light to help keep your circadian rhythm in the waking state.</source>
        <translation>Anders als „Tiefenmeditation“ führt dieses Programm nur bis in den Theta-Zustand. Diese Frequenz gehört zur tiefen Meditation und lässt Ihrem Gehirn während der Sitzung mehr Aktivität. Es nutzt dasselbe blaue Licht, damit Ihr zirkadianer Rhythmus im Wachzustand bleibt.</translation>
    </message>
    <message>
        <source>Dream Sleep</source>
        <translation>Traumschlaf</translation>
    </message>
    <message>
        <source>This program also takes you down to the theta wave state, but uses red light for minimal effect on the circadian rhythm. During sleep, the theta wave frequencies are associated with REM sleep and a period of dreaming.</source>
        <translation>Auch dieses Programm führt in den Theta-Zustand, nutzt aber rotes Licht, das den zirkadianen Rhythmus kaum beeinflusst. Im Schlaf gehören Theta-Frequenzen zum REM-Schlaf, der Phase der Träume.</translation>
    </message>
    <message>
        <source>Morning Wake</source>
        <translation>Morgendliches Erwachen</translation>
    </message>
    <message>
        <source>This selection is designed for short session that will invigorate your mind and bring it up from the lower frequencies associated with sleep. All of the colors used during this session contain blue light, which reacts with circadian system to bring you to a waking state.</source>
        <translation>Dieses Programm ist für kurze Sitzungen gedacht, die Ihren Geist beleben und ihn aus den tiefen Frequenzen des Schlafs heraufholen. Alle Farben dieser Sitzung enthalten blaues Licht, das über den zirkadianen Rhythmus wach macht.</translation>
    </message>
    <message>
        <source>Quick Meditation</source>
        <translation>Kurzmeditation</translation>
    </message>
    <message>
        <source> This program is designed for shorter duration meditation sessions. It will only take you down to the alpha wave state, this will allow a quick relaxation without making it difficult to bring yourself back to an awake and fully alert state.</source>
        <translation>Dieses Programm ist für kürzere Meditationssitzungen gedacht. Es führt nur bis in den Alpha-Zustand: Sie entspannen sich schnell und finden danach mühelos in einen wachen, voll aufmerksamen Zustand zurück.</translation>
    </message>
    <message>
        <source>Relaxed to Deep Thought</source>
        <translation>Entspannt in tiefe Versenkung</translation>
    </message>
    <message>
        <source>This program is exactly like the Deep Thought Meditation program, except it begins your journey at the high alpha wave state. This is beneficial if you are already in a relaxed state and find the Deep Thought Meditation program starts off at too high a frequency.</source>
        <translation>Dieses Programm gleicht „Tiefe Versenkung“, beginnt die Reise aber im hohen Alpha-Zustand. Das hilft, wenn Sie schon entspannt sind und „Tiefe Versenkung“ für Sie mit einer zu hohen Frequenz beginnt.</translation>
    </message>
    <message>
        <source>Relaxed to Complete Meditation</source>
        <translation>Entspannt zur Tiefenmeditation</translation>
    </message>
    <message>
        <source>This program is equivalent to the Complete Meditation program in the same way that the Relaxed to Deep Thought program is similar to Deep Thought Meditation. Use it if you are beginning in a relaxed state and want to go down to a deep meditation.</source>
        <translation>Dieses Programm verhält sich zu „Tiefenmeditation“ wie „Entspannt in tiefe Versenkung“ zu „Tiefe Versenkung“. Nutzen Sie es, wenn Sie schon entspannt beginnen und in eine tiefe Meditation sinken möchten.</translation>
    </message>
    <message>
        <source>Tired to Deep Sleep</source>
        <translation>Müde in den Tiefschlaf</translation>
    </message>
    <message>
        <source>This program is designed for people who are already tired or relaxed and want to go down to the sleep state that the Deep Sleep program induces.</source>
        <translation>Dieses Programm ist für alle gedacht, die schon müde oder entspannt sind und in den Schlafzustand sinken möchten, den „Tiefschlaf“ herbeiführt.</translation>
    </message>
    <message>
        <source>Tired to Dreaming</source>
        <translation>Müde in den Traumschlaf</translation>
    </message>
    <message>
        <source>This program is designed for people who are already tired or relaxed and want to go down to the sleep state that the Dream Sleep program induces.</source>
        <translation>Dieses Programm ist für alle gedacht, die schon müde oder entspannt sind und in den Schlafzustand sinken möchten, den „Traumschlaf“ herbeiführt.</translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>Ending...</source>
        <translation>Wird beendet …</translation>
    </message>
    <message>
        <source>Time Left: %1 Press esc to exit visualizer</source>
        <translation>Restzeit: %1 – Esc zum Schließen</translation>
    </message>
</context>
<context>
    <name>ToneKind</name>
    <message>
        <source>Binaural Beat (Headphones)</source>
        <translation>Binauraler Beat (Kopfhörer)</translation>
    </message>
    <message>
        <source>Isochronic Pulses (Speakers)</source>
        <translation>Isochrone Pulse (Lautsprecher)</translation>
    </message>
    <message>
        <source>Monaural Beat (Speakers)</source>
        <translation>Monauraler Beat (Lautsprecher)</translation>
    </message>
</context>
<context>
    <name>TonePlayer</name>
    <message>
        <source>Binaural tone</source>
        <translation>Binauralton</translation>
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
        <translation>„%1“ ist kein Gruppenname</translation>
    </message>
    <message>
        <source>the line is neither a [group], a key=value pair nor a #comment</source>
        <translation>die Zeile ist weder eine [Gruppe] noch ein Schlüssel=Wert-Paar noch ein #Kommentar</translation>
    </message>
    <message>
        <source>a key comes before the first group</source>
        <translation>ein Schlüssel steht vor der ersten Gruppe</translation>
    </message>
</context>
<context>
    <name>ProgramChoice</name>
    <message>
        <source>This program&apos;s file has an error.</source>
        <translation>Die Datei dieses Programms enthält einen Fehler.</translation>
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
        <translation>Programm</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message>
        <source>&amp;Stages, in the order they play:</source>
        <translation>&amp;Phasen, in der Reihenfolge, in der sie spielen:</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Beat from (Hz)</source>
        <translation>Beat von (Hz)</translation>
    </message>
    <message>
        <source>Beat to (Hz)</source>
        <translation>Beat bis (Hz)</translation>
    </message>
    <message>
        <source>Colour from</source>
        <translation>Farbe von</translation>
    </message>
    <message>
        <source>Colour to</source>
        <translation>Farbe bis</translation>
    </message>
    <message>
        <source>&amp;Add Stage</source>
        <translation>Phase &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Stage</source>
        <translation>Phase &amp;entfernen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>The beat over a session of %1:</source>
        <translation>Der Beat in einer Sitzung von %1:</translation>
    </message>
    <message>
        <source>Stage %1, %2: %3</source>
        <translation>Phase %1, %2: %3</translation>
    </message>
    <message>
        <source>A program needs a name.</source>
        <translation>Ein Programm braucht einen Namen.</translation>
    </message>
    <message>
        <source>Name: a program needs a name.</source>
        <translation>Name: Ein Programm braucht einen Namen.</translation>
    </message>
    <message>
        <source>A program needs at least one stage.</source>
        <translation>Ein Programm braucht mindestens eine Phase.</translation>
    </message>
    <message>
        <source>Write a time such as 90s, 5m or 1h30m, a share of the session such as 20%, or rest.</source>
        <translation>Schreiben Sie eine Zeit wie 90s, 5m oder 1h30m, einen Anteil der Sitzung wie 20% oder rest.</translation>
    </message>
    <message>
        <source>Stage %1 takes the rest already; only one stage may.</source>
        <translation>Phase %1 nimmt schon den Rest; das darf nur eine Phase.</translation>
    </message>
    <message>
        <source>The shares of the session come to more than 100%.</source>
        <translation>Die Anteile der Sitzung ergeben mehr als 100%.</translation>
    </message>
    <message>
        <source>Write a beat from 0.5 to 40 Hz.</source>
        <translation>Schreiben Sie einen Beat von 0.5 bis 40 Hz.</translation>
    </message>
    <message>
        <source>Write one of %1, or #rrggbb.</source>
        <translation>Schreiben Sie eines von %1 oder #rrggbb.</translation>
    </message>
    <message>
        <source>The plot returns when every stage can be read.</source>
        <translation>Der Verlauf erscheint wieder, sobald jede Phase lesbar ist.</translation>
    </message>
</context>
<context>
    <name>ProgramFile</name>
    <message>
        <source>%1: there is no such file</source>
        <translation>%1: Diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>%1: the file cannot be read: %2</source>
        <translation>%1: Die Datei kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: the file is larger than 1 MiB; a program file is a few lines of text</source>
        <translation>%1: Die Datei ist größer als 1 MiB; eine Programmdatei hat nur wenige Zeilen Text</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1: Stage %2, %3 (line %4): %5</source>
        <translation>%1: Stage %2, %3 (Zeile %4): %5</translation>
    </message>
    <message>
        <source>this is not a text file (it holds a zero byte)</source>
        <translation>dies ist keine Textdatei (sie enthält ein Null-Byte)</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>der Text ist kein UTF-8</translation>
    </message>
    <message>
        <source>%1: there is no [Velmora Program] group</source>
        <translation>%1: Es gibt keine Gruppe [Velmora Program]</translation>
    </message>
    <message>
        <source>[Velmora Program] has no Name</source>
        <translation>[Velmora Program] hat keinen Name</translation>
    </message>
    <message>
        <source>[%1]: stages are numbered from 1 to %2, as [Stage 1]</source>
        <translation>[%1]: Phasen sind von 1 bis %2 nummeriert, wie [Stage 1]</translation>
    </message>
    <message>
        <source>the program has no stages; add a [Stage 1] group</source>
        <translation>das Programm hat keine Phasen; fügen Sie eine Gruppe [Stage 1] hinzu</translation>
    </message>
    <message>
        <source>%1: Stage %2 (line %3): there is no %4</source>
        <translation>%1: Stage %2 (Zeile %3): %4 fehlt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a length; write a time such as 90s, 5m or 1h30m, a share of the session such as 20%, or rest</source>
        <translation>„%1“ ist keine Dauer; schreiben Sie eine Zeit wie 90s, 5m oder 1h30m, einen Anteil der Sitzung wie 20% oder rest</translation>
    </message>
    <message>
        <source>Stage %1 takes the rest already; only one stage may</source>
        <translation>Phase %1 nimmt schon den Rest; das darf nur eine Phase</translation>
    </message>
    <message>
        <source>the shares of the session come to more than 100%</source>
        <translation>die Anteile der Sitzung ergeben mehr als 100%</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a beat from 0.5 to 40 Hz; write one such as 8, or a ramp such as 18 to 8</source>
        <translation>„%1“ ist kein Beat von 0.5 bis 40 Hz; schreiben Sie einen wie 8 oder einen Verlauf wie 18 to 8</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a kind of tone; write one of %2</source>
        <translation>„%1“ ist keine Art von Ton; schreiben Sie eine von %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; write one of %2 or #rrggbb, or a ramp such as yellow to blue</source>
        <translation>„%1“ ist keine Farbe; schreiben Sie eine von %2 oder #rrggbb oder einen Verlauf wie yellow to blue</translation>
    </message>
</context>
<context>
    <name>ProgramLibrary</name>
    <message>
        <source>%1: the program could not be saved: %2</source>
        <translation>%1: Das Programm konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1: the file cannot be read: %2</source>
        <translation>%1: Die Datei kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: the program could not be moved to the trash: %2</source>
        <translation>%1: Das Programm konnte nicht in den Papierkorb verschoben werden: %2</translation>
    </message>
</context>
<context>
    <name>StagePlanner</name>
    <message>
        <source>This program&apos;s shares of the session leave no time for its fixed stages.</source>
        <translation>Die Anteile dieses Programms lassen keine Zeit für seine festen Phasen.</translation>
    </message>
    <message>
        <source>This program needs at least %1.</source>
        <translation>Dieses Programm braucht mindestens %1.</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 Std.</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 Std. %2 Min.</translation>
    </message>
</context>
</TS>
