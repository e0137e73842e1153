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
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Flashes the whole screen 3 to 27 times a second. Flashing light at these rates can trigger seizures in people with photosensitive epilepsy: leave Visualizer unchecked if you may be at risk.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Lässt den ganzen Bildschirm 3- bis 27-mal pro Sekunde aufblitzen. Licht, das so schnell blinkt, kann bei Menschen mit fotosensitiver Epilepsie Anfälle auslösen: Wer gefährdet sein könnte, lässt „Visualisieren“ ausgeschaltet.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>Ihre Änderung wirkt ab dem nächsten planmäßigen Wechsel des Tons.</translation>
    </message>
    <message>
        <source>No sound output: check your speakers or headphones</source>
        <translation>Keine Tonausgabe: Lautsprecher oder Kopfhörer prüfen</translation>
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
        <translation>Dieses Programm führt Sie von der üblichen Wachfrequenz hinab zu den tiefen Delta-Frequenzen, weit weg vom Alltag. Am tiefsten Punkt sehen Sie blaues Licht, das nachweislich auf den zirkadianen Rhythmus wirkt und Sie wach hält. So behalten Sie Ihren Geist ganz in der Hand, während Sie diesen entspannten Zustand durchwandern.</translation>
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
        <translation>Dieses Programm gleicht „Tiefe Versenkung“, beginnt die Reise aber im hohen Alpha-Zustand. Das hilft, wenn Sie schon entspannt sind und „Tiefe Versenkung“ Ihnen mit zu hoher Frequenz beginnt.</translation>
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
        <translation>Restzeit: %1 – Esc zum Beenden</translation>
    </message>
</context>
<context>
    <name>TonePlayer</name>
    <message>
        <source>Binaural tone</source>
        <translation>Binauralton</translation>
    </message>
</context>
</TS>
