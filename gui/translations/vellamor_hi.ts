<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>CoreText</name>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter only letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellamor::FilteredLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellamor::MainWindow</name>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search the web for the coordinates of the birth place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Get My Sudarshan Chakra Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vellamor::ResultWindow</name>
    <message>
        <source>Birth Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart Stability</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign boundaries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retrograde stations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Image...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
