<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veltmar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Built with&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Qt 5 (LGPL-3.0)&lt;/li&gt;&lt;li&gt;RapidJSON (MIT)&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;&lt;b&gt;Data&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Made with Natural Earth: coastlines, borders, lakes and airports (public domain).&lt;/li&gt;&lt;li&gt;Countries: ISO 3166-1 from Debian&apos;s iso-codes (LGPL-2.1-or-later).&lt;/li&gt;&lt;li&gt;ICAO 24-bit address allocations: ICAO Annex 10, Volume III.&lt;/li&gt;&lt;li&gt;Aircraft: a public aircraft list (CC0 1.0).&lt;/li&gt;&lt;li&gt;Flags: the famfamfam flag icons (public domain).&lt;/li&gt;&lt;/ul&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1 Build %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigWindow</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Clock Calibration Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updated Field Highlight Time (sec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Updated Target Warning Time (sec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude (deg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude (deg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback Mode (Ignore Time Stamp in Message)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatically reconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnect when silent for (sec, 0 = never)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barometric Altitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore invalid barometric altitute reports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If altitute changes more than</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>feets in last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corresponding vertical rate is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>feets per minute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traget Deletion Time (sec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAC/SIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable ASTERIX Targets Report (CAT021)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable ASTERIX Service Status Report (CAT023)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target Reports Update Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAT021 Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Output Period (sec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum ASTERIX message size (bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum data records per data block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LAN Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multicast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broadcast/Unicast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Targets Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aircraft Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Aircraft Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode-S Beast Binary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JSON Target Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASTERIX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periodic Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Driven Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target Report (@...#, metric units)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select SQLite Database File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database Files (*.db *.db3 *.sqlite)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HexView</name>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logo Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log &amp; Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode-S &amp;&amp; ADS-B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASTERIX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start processing ADS-B reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop processing ADS-B reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show setting window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go To Data Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open explorer and locate data files folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veltmar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the product web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target List View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode-S Message View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode-S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode-S Downlink Format Message View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASTERIX Message View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target Report View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basestation Target Report View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log &amp;&amp; Message Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle Log &amp; Message Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SEQUENCE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIME STAMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CATEGORY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BYTES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open log file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 initilized.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 initilizing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Platform: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runtime: Qt </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runtime: Tarrow </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runtime: Quennel </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runtime: libavistore </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Dir: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PID: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading Avistore SQLite database: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting to Avistore binary database: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading Avistore database: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avistore data file not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undefined or unsupported protocol.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undefined or unsupported format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please remember to calibrate your clock before start!
Do you want to start now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1090ES ADS-B Decoder, Tracker &amp; Viewer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TYPE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BITS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONFIDENCE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MODE-S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADS-B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COUNTRY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AC TYPE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OPERATOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CALLSIGN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SQUAWK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POSITION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALTITUDE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEADING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V_RATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIR/GND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALERT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUCp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUCr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LAST UPDATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIGNAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DF SUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DF-4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DF-5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DF-11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DF-17</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DF-20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DF-21</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POS/G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POS/A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VEL/A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AC/S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TG/S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OP/S</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Veltmar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1090ES ADS-B Decoder, Tracker &amp; Viewer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read and write the settings in &lt;file&gt; (INI format) instead of the per-user settings store.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start processing once the window is up, as if Start Processing had been chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also append every log line to &lt;file&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
