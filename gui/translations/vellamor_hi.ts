<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>CoreText</name>
    <message>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चंद्र</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translatorcomment>Jupiter = गुरु (बृहस्पति).</translatorcomment>
        <translation>गुरु</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translatorcomment>The outer planets keep their Western names in brackets: अरुण (यूरेनस), वरुण (नेपच्यून), यम (प्लूटो).</translatorcomment>
        <translation>अरुण (यूरेनस)</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>वरुण (नेपच्यून)</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>यम (प्लूटो)</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>राहु</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>केतु</translation>
    </message>
    <message>
        <source>Asc</source>
        <translatorcomment>Asc (Ascendant) = लग्न.</translatorcomment>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>अलास्का/हवाई दिवाप्रकाश समय,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>अलास्का/हवाई मानक समय,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>अलास्का/हवाई युद्धकालीन समय,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>अटलांटिक मानक समय,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>अटलांटिक युद्धकालीन समय,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>ऑस्ट्रेलियाई मध्य दिवाप्रकाश समय,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>ऑस्ट्रेलियाई मध्य मानक समय,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>ऑस्ट्रेलियाई पूर्वी दिवाप्रकाश समय,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>ऑस्ट्रेलियाई पूर्वी मानक समय,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>ऑस्ट्रेलियाई पश्चिमी दिवाप्रकाश समय,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>ऑस्ट्रेलियाई पश्चिमी मानक समय,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>अज़ोरेस समय, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>बगदाद समय, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>बेरिंग मानक समय,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>ब्राज़ील क्षेत्र 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>ब्रिटिश दोहरा ग्रीष्मकालीन समय,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>ब्रिटिश ग्रीष्मकालीन समय,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>ब्रिटिश युद्धकालीन समय,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>मध्य दिवाप्रकाश समय,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>मध्य यूरोपीय दिवाप्रकाश समय,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>मध्य यूरोपीय समय,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>मध्य मानक समय,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>मध्य युद्धकालीन समय,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>चीन तटीय समय,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>पूर्वी दिवाप्रकाश समय,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>पूर्वी यूरोपीय दिवाप्रकाश समय,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>पूर्वी यूरोपीय समय,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>पूर्वी मानक समय,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>पूर्वी युद्धकालीन समय,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>ग्रीनविच माध्य समय,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>गुआम मानक समय,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>हवाई दिवाप्रकाश समय,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>हवाई मानक समय,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>हवाई युद्धकालीन समय,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>भारतीय समय, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>अंतरराष्ट्रीय तिथि रेखा पूर्व,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>अंतरराष्ट्रीय तिथि रेखा पश्चिम,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ईरान समय, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>जापान मानक समय,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>जावा समय, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>मिडल यूरोपीय दिवाप्रकाश समय,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>मिडल यूरोपीय समय,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>मोलुक्का समय, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>पर्वतीय दिवाप्रकाश समय,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>पर्वतीय मानक समय,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>पर्वतीय युद्धकालीन समय,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>न्यूज़ीलैंड मानक ग्रीष्मकालीन समय,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>न्यूज़ीलैंड मानक समय,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>न्यूज़ीलैंड ग्रीष्मकालीन समय,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>न्यूज़ीलैंड समय,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>न्यूफ़ाउंडलैंड मानक समय,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>नोम समय, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>उत्तरी सुमात्रा समय,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>प्रशांत दिवाप्रकाश समय,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>प्रशांत मानक समय,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>प्रशांत युद्धकालीन समय,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया दिवाप्रकाश समय,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया दिवाप्रकाश समय,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया मानक समय,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया मानक समय,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>दक्षिणी सुमात्रा समय,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>सार्वभौमिक समय, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>सोवियत संघ क्षेत्र 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>सोवियत संघ क्षेत्र 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>सोवियत संघ क्षेत्र 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>सोवियत संघ क्षेत्र 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>सोवियत संघ क्षेत्र 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>पश्चिम अफ़्रीका समय,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>युकोन दिवाप्रकाश समय,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>युकोन मानक समय,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>युकोन युद्धकालीन समय,YWT,-8.0</translation>
    </message>
    <message>
        <source>Ashwini</source>
        <translation>अश्विनी</translation>
    </message>
    <message>
        <source>Bharani</source>
        <translation>भरणी</translation>
    </message>
    <message>
        <source>Krittika</source>
        <translation>कृत्तिका</translation>
    </message>
    <message>
        <source>Rohini</source>
        <translation>रोहिणी</translation>
    </message>
    <message>
        <source>Mrigashira</source>
        <translation>मृगशिरा</translation>
    </message>
    <message>
        <source>Ardra</source>
        <translation>आर्द्रा</translation>
    </message>
    <message>
        <source>Punarvasu</source>
        <translation>पुनर्वसु</translation>
    </message>
    <message>
        <source>Pushya</source>
        <translation>पुष्य</translation>
    </message>
    <message>
        <source>Ashlesha</source>
        <translation>आश्लेषा</translation>
    </message>
    <message>
        <source>Magha</source>
        <translation>मघा</translation>
    </message>
    <message>
        <source>Purva Phalguni</source>
        <translation>पूर्वा फाल्गुनी</translation>
    </message>
    <message>
        <source>Uttara Phalguni</source>
        <translation>उत्तरा फाल्गुनी</translation>
    </message>
    <message>
        <source>Hasta</source>
        <translation>हस्त</translation>
    </message>
    <message>
        <source>Chitra</source>
        <translation>चित्रा</translation>
    </message>
    <message>
        <source>Swati</source>
        <translation>स्वाति</translation>
    </message>
    <message>
        <source>Vishakha</source>
        <translation>विशाखा</translation>
    </message>
    <message>
        <source>Anuradha</source>
        <translation>अनुराधा</translation>
    </message>
    <message>
        <source>Jyeshtha</source>
        <translation>ज्येष्ठा</translation>
    </message>
    <message>
        <source>Mula</source>
        <translation>मूल</translation>
    </message>
    <message>
        <source>Purva Ashadha</source>
        <translation>पूर्वाषाढ़ा</translation>
    </message>
    <message>
        <source>Uttara Ashadha</source>
        <translation>उत्तराषाढ़ा</translation>
    </message>
    <message>
        <source>Shravana</source>
        <translation>श्रवण</translation>
    </message>
    <message>
        <source>Dhanishta</source>
        <translation>धनिष्ठा</translation>
    </message>
    <message>
        <source>Shatabhisha</source>
        <translation>शतभिषा</translation>
    </message>
    <message>
        <source>Purva Bhadrapada</source>
        <translation>पूर्वा भाद्रपद</translation>
    </message>
    <message>
        <source>Uttara Bhadrapada</source>
        <translation>उत्तरा भाद्रपद</translation>
    </message>
    <message>
        <source>Revati</source>
        <translation>रेवती</translation>
    </message>
</context>
<context>
    <name>vellamor::AboutBox</name>
    <message>
        <source>Vellamor is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes with absolutely no warranty.</source>
        <translatorcomment>The licence&apos;s name stays recognisable: GNU General Public License - GNU जनरल पब्लिक लाइसेंस.</translatorcomment>
        <translation>Vellamor मुक्त सॉफ़्टवेयर है: आप GNU जनरल पब्लिक लाइसेंस, संस्करण 3 या (अपनी इच्छा से) उसके किसी भी बाद के संस्करण की शर्तों के अंतर्गत इसे पुनर्वितरित और संशोधित कर सकते हैं। इसके साथ कोई भी वारंटी नहीं दी जाती।</translation>
    </message>
    <message>
        <source>Places of the atlas: GeoNames (geonames.org), licensed under Creative Commons Attribution 4.0 (CC BY 4.0). Time-zone history: the IANA Time Zone Database (tz), in the public domain.</source>
        <translatorcomment>GeoNames, CC BY 4.0, IANA and tz are names and stay in Latin letters, as the licence asks for its attribution.</translatorcomment>
        <translation>एटलस के स्थान: GeoNames (geonames.org), क्रिएटिव कॉमन्स एट्रिब्यूशन 4.0 (CC BY 4.0) लाइसेंस के अंतर्गत। समय क्षेत्रों का इतिहास: IANA समय क्षेत्र डेटाबेस (tz), सार्वजनिक डोमेन में।</translation>
    </message>
    <message>
        <source>Visit the Vellamor web site</source>
        <translation>Vellamor की वेबसाइट देखें</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Vellamor draws the Sudarshan Chakra based on Vedic Astrology. The Sudarshan chakra comprises of the Surya Kundali, Chandra Kundali and Lagna Kundali or Janma Kundali. This gives a clear view of the position of the different planets and houses with respect to each other and how they affect the native.</source>
        <translatorcomment>Glossary (English - Hindi): Sudarshan Chakra - सुदर्शन चक्र; Kundali (chart) - कुंडली; Lagna (Ascendant) - लग्न; Janma (birth) - जन्म; Rashi/Rasi (sign) - राशि; Surya (Sun) - सूर्य; Chandra (Moon) - चंद्र; house (bhava) - भाव; planet (graha) - ग्रह; native - जातक; retrograde (vakri) - वक्री; direct (margi) - मार्गी; station - स्तंभन/स्थिति; degree - अंश; arcminute - कला; latitude - अक्षांश; longitude - देशांतर; Rahu - राहु; Ketu - केतु; Guru (Jupiter) - गुरु; daylight saving time - दिवाप्रकाश बचत समय; time zone - समय क्षेत्र; Standard Time - मानक समय; War Time - युद्धकालीन समय.</translatorcomment>
        <translation>Vellamor वैदिक ज्योतिष पर आधारित सुदर्शन चक्र बनाता है। सुदर्शन चक्र में सूर्य कुंडली, चंद्र कुंडली और लग्न कुंडली अर्थात जन्म कुंडली, तीनों सम्मिलित होती हैं। इससे विभिन्न ग्रहों और भावों की एक-दूसरे के सापेक्ष स्थिति तथा जातक पर उनके प्रभाव का स्पष्ट चित्र मिलता है।</translation>
    </message>
    <message>
        <source>Precise positions: Swiss Ephemeris by Astrodienst AG, licensed under the GNU Affero General Public License, version 3 (AGPL-3.0).</source>
        <translatorcomment>Swiss Ephemeris, Astrodienst AG and AGPL-3.0 are names and stay in Latin letters; the licence as above: GNU Affero General Public License - GNU एफ़ेरो जनरल पब्लिक लाइसेंस.</translatorcomment>
        <translation>सटीक स्थितियाँ: Astrodienst AG का Swiss Ephemeris, GNU एफ़ेरो जनरल पब्लिक लाइसेंस, संस्करण 3 (AGPL-3.0) के अंतर्गत।</translation>
    </message>
</context>
<context>
    <name>vellamor::CalculationMenu</name>
    <message>
        <source>&amp;Lahiri</source>
        <translation>लाहिड़ी (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Raman</source>
        <translation>रमन (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Krishnamurti</source>
        <translation>कृष्णमूर्ति (&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Yukteshwar</source>
        <translation>युक्तेश्वर (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Fagan-Bradley</source>
        <translation>फ़ेगन-ब्रैडली (&amp;F)</translation>
    </message>
    <message>
        <source>True &amp;Chitra</source>
        <translation>सत्य चित्रा (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Mean Node</source>
        <translation>मध्यम राहु (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;True Node</source>
        <translation>स्पष्ट राहु (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <translation>गणना (&amp;C)</translation>
    </message>
    <message>
        <source>C&amp;lassic</source>
        <translation>पारंपरिक (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Precise (Swiss Ephemeris)</source>
        <translation>सटीक, Swiss Ephemeris (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa</source>
        <translation>अयनांश (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Node</source>
        <translation>राहु-केतु (&amp;N)</translation>
    </message>
    <message>
        <source>Swiss Ephemeris %1</source>
        <translation>Swiss Ephemeris %1</translation>
    </message>
    <message>
        <source>%1, Moshier theory (data files not found)</source>
        <translation>%1, Moshier सिद्धांत (डेटा फ़ाइलें नहीं मिलीं)</translation>
    </message>
    <message>
        <source>Precise calculation: %1; %2 ayanamsa %3°; %4; for %5 UT</source>
        <comment>source; ayanamsa name and degrees; node; universal date and time</comment>
        <translation>सटीक गणना: %1; %2 अयनांश %3°; %4; %5 UT के लिए</translation>
    </message>
    <message>
        <source>Every body stands in the sign the classic calculation gives it.</source>
        <translation>हर ग्रह उसी राशि में है जो पारंपरिक गणना देती है।</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <comment>body from sign to sign</comment>
        <translation>%1 %2 से %3 में</translation>
    </message>
    <message>
        <source>Moved from sign to sign against the classic calculation: %1.</source>
        <translation>पारंपरिक गणना की तुलना में राशि बदलने वाले ग्रह: %1।</translation>
    </message>
    <message>
        <source>%1, Moshier theory (data files damaged)</source>
        <translation>%1, Moshier सिद्धांत (डेटा फ़ाइलें क्षतिग्रस्त)</translation>
    </message>
    <message>
        <source>%1, Moshier theory (data folder holds files that are not regular)</source>
        <translation>%1, Moshier सिद्धांत (डेटा फ़ोल्डर में ऐसी फ़ाइलें हैं जो साधारण फ़ाइलें नहीं हैं)</translation>
    </message>
    <message>
        <source>%1, time corrections from %2</source>
        <translation>%1, समय संशोधन %2 से</translation>
    </message>
</context>
<context>
    <name>vellamor::ChartSheet</name>
    <message>
        <source>Sudarshan Chakra of %1</source>
        <translation>%1 का सुदर्शन चक्र</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>ग्रह स्थिति</translation>
    </message>
    <message>
        <source>Birth Chart</source>
        <translation>लग्न कुंडली</translation>
    </message>
    <message>
        <source>Moon Chart</source>
        <translation>चंद्र कुंडली</translation>
    </message>
    <message>
        <source>Sun Chart</source>
        <translation>सूर्य कुंडली</translation>
    </message>
    <message>
        <source>House of the year</source>
        <translation>वर्ष का भाव</translation>
    </message>
    <message>
        <source>House of the month</source>
        <translation>मास का भाव</translation>
    </message>
    <message>
        <source>Transiting body</source>
        <translation>गोचर ग्रह</translation>
    </message>
    <message>
        <source>%1 %2, %3, %4</source>
        <comment>the reading&apos;s instant: month name, day, year, hours:minutes</comment>
        <translation>%2 %1 %3, %4</translation>
    </message>
    <message>
        <source>Reading %1
year %2, month %3, period %4</source>
        <comment>%1 the reading&apos;s instant; the dasha&apos;s year, month and period numbers</comment>
        <translation>पठन %1
वर्ष %2, मास %3, अवधि %4</translation>
    </message>
    <message>
        <source>Precise Calculation</source>
        <translation>सटीक गणना</translation>
    </message>
    <message>
        <source>Sudarshan Dasha</source>
        <translation>सुदर्शन दशा</translation>
    </message>
    <message>
        <source>Year %1</source>
        <comment>the running year of life</comment>
        <translation>वर्ष %1</translation>
    </message>
    <message>
        <source>Month %1</source>
        <comment>the running month of the dasha</comment>
        <translation>मास %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <comment>the running period of the dasha</comment>
        <translation>अवधि %1</translation>
    </message>
    <message>
        <source>House</source>
        <comment>the ruling house of the dasha</comment>
        <translation>भाव</translation>
    </message>
    <message>
        <source>Vimshottari Dasha</source>
        <translation>विंशोत्तरी दशा</translation>
    </message>
    <message>
        <source>Mahadasha</source>
        <translation>महादशा</translation>
    </message>
    <message>
        <source>Antardasha</source>
        <translation>अंतर्दशा</translation>
    </message>
    <message>
        <source>Pratyantardasha</source>
        <translation>प्रत्यंतर्दशा</translation>
    </message>
    <message>
        <source>Lord</source>
        <comment>the lord of a Vimshottari period</comment>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>From</source>
        <comment>a period&apos;s start</comment>
        <translation>से</translation>
    </message>
    <message>
        <source>To</source>
        <comment>a period&apos;s end</comment>
        <translation>तक</translation>
    </message>
    <message>
        <source>Swiss Ephemeris %1</source>
        <translation>Swiss Ephemeris %1</translation>
    </message>
    <message>
        <source>Swiss Ephemeris %1 (Moshier)</source>
        <translation>Swiss Ephemeris %1 (Moshier सिद्धांत)</translation>
    </message>
    <message>
        <source>%1
%2 %3°, %4 node
%5 UT</source>
        <comment>source; ayanamsa, its degrees, the lunar node; universal time</comment>
        <translation>%1
%2 अयनांश %3°, %4 राहु-केतु
%5 UT</translation>
    </message>
    <message>
        <source>%1 %2, %3, %4:%5</source>
        <comment>month name, day, year, hours, minutes</comment>
        <translation>%2 %1 %3, %4:%5</translation>
    </message>
    <message>
        <source>LMT %1</source>
        <comment>local mean time and its offset from UTC</comment>
        <translation>स्थानीय माध्य समय %1</translation>
    </message>
    <message>
        <source>offset %1</source>
        <comment>the birth&apos;s exact offset from UTC</comment>
        <translation>अंतर %1</translation>
    </message>
    <message>
        <source>geometric positions</source>
        <translation>ज्यामितीय स्थितियाँ</translation>
    </message>
    <message>
        <source>apparent positions</source>
        <translation>दृश्य स्थितियाँ</translation>
    </message>
    <message>
        <source>Balance at birth</source>
        <comment>the Vimshottari period left at birth</comment>
        <translation>जन्म के समय शेष दशा</translation>
    </message>
    <message>
        <source>%1 y %2 m %3 d</source>
        <comment>years, months and days left of a period</comment>
        <translation>%1 वर्ष %2 मास %3 दिन</translation>
    </message>
    <message>
        <source>Sudarshan years start %1; Vimshottari years of %2</source>
        <comment>the reading&apos;s two conventions</comment>
        <translation>सुदर्शन वर्ष %1 आरंभ होते हैं; विंशोत्तरी वर्ष %2 के</translation>
    </message>
    <message>
        <source>at each birthday</source>
        <translation>हर जन्मदिन पर</translation>
    </message>
    <message>
        <source>at each solar return</source>
        <translation>हर सूर्य-वापसी पर</translation>
    </message>
    <message>
        <source>365.25 days (Julian)</source>
        <translation>365.25 दिन (जूलियन)</translation>
    </message>
    <message>
        <source>365.256363 days (sidereal)</source>
        <translation>365.256363 दिन (नाक्षत्र)</translation>
    </message>
    <message>
        <source>365.24219 days (tropical)</source>
        <translation>365.24219 दिन (सायन)</translation>
    </message>
    <message>
        <source>360 days (savana)</source>
        <translation>360 दिन (सावन)</translation>
    </message>
</context>
<context>
    <name>vellamor::DashaPanel</name>
    <message>
        <source>Reading (the birth&apos;s clock)</source>
        <translation>पठन का समय (जन्म की घड़ी)</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>अभी</translation>
    </message>
    <message>
        <source>Highlight the year&apos;s and month&apos;s houses</source>
        <translation>वर्ष और मास के भाव उभारें</translation>
    </message>
    <message>
        <source>Show the transiting bodies</source>
        <translation>गोचर ग्रह दिखाएँ</translation>
    </message>
    <message>
        <source>House of the year</source>
        <translation>वर्ष का भाव</translation>
    </message>
    <message>
        <source>House of the month</source>
        <translation>मास का भाव</translation>
    </message>
    <message>
        <source>Transiting body (green italics)</source>
        <translation>गोचर ग्रह (हरे तिरछे अक्षर)</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>चालू</translation>
    </message>
    <message>
        <source>Year of life %1</source>
        <translation>जीवन का वर्ष %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>house</source>
        <translation>भाव</translation>
    </message>
    <message>
        <source>Ruling houses by ring</source>
        <translation>चक्रों में स्वामी भाव</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>जन्म</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चंद्र</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>मास</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>अवधि</translation>
    </message>
    <message>
        <source>Years %1 to %2</source>
        <translation>वर्ष %1 से %2</translation>
    </message>
    <message>
        <source>house %1</source>
        <translation>भाव %1</translation>
    </message>
    <message>
        <source>Transits</source>
        <translation>गोचर</translation>
    </message>
    <message>
        <source>houses B M S</source>
        <translation>भाव ज चं सू</translation>
    </message>
    <message>
        <source>%1 ring, house %2, sign %3 (%4)</source>
        <translation>%1 चक्र, भाव %2, राशि %3 (%4)</translation>
    </message>
    <message>
        <source>No birth body</source>
        <translation>कोई जन्म ग्रह नहीं</translation>
    </message>
    <message>
        <source>House of year %1</source>
        <translation>वर्ष %1 का भाव</translation>
    </message>
    <message>
        <source>House of month %1</source>
        <translation>मास %1 का भाव</translation>
    </message>
    <message>
        <source>Transiting: %1</source>
        <translation>गोचर: %1</translation>
    </message>
    <message>
        <source>The reading is not a date of the calendar.</source>
        <translation>पठन का समय पंचांग की कोई तिथि नहीं है।</translation>
    </message>
    <message>
        <source>The reading is before the birth.</source>
        <translation>पठन का समय जन्म से पहले है।</translation>
    </message>
    <message>
        <source>The reading must lie between 1901 and 2050.</source>
        <translation>पठन का समय 1901 और 2050 के बीच होना चाहिए।</translation>
    </message>
    <message>
        <source>Vimshottari dasha</source>
        <translation>विंशोत्तरी दशा</translation>
    </message>
    <message>
        <source>From the Moon&apos;s nakshatra; years of 365.25 days.</source>
        <translation>चंद्रमा के नक्षत्र से; 365.25 दिनों के वर्ष।</translation>
    </message>
    <message>
        <source>Antardashas of %1</source>
        <translation>%1 की अंतर्दशाएँ</translation>
    </message>
    <message>
        <source>Pratyantardasha: %1, %2 – %3</source>
        <translation>प्रत्यंतर्दशा: %1, %2 – %3</translation>
    </message>
    <message>
        <source>Count houses from each ring&apos;s first house</source>
        <translation>प्रत्येक वलय के पहले भाव से भाव गिनें</translation>
    </message>
    <message>
        <source>Count houses from the year&apos;s house</source>
        <translation>वर्ष के भाव से भाव गिनें</translation>
    </message>
    <message>
        <source>from the year&apos;s house %1: B M S</source>
        <translation>वर्ष के भाव %1 से: ज चं सू</translation>
    </message>
    <message>
        <source>Sign changes</source>
        <translation>राशि परिवर्तन</translation>
    </message>
    <message>
        <source>entered</source>
        <translation>प्रवेश</translation>
    </message>
    <message>
        <source>leaves</source>
        <translation>निकास</translation>
    </message>
    <message>
        <source>before %1</source>
        <translation>%1 से पहले</translation>
    </message>
    <message>
        <source>after %1</source>
        <translation>%1 के बाद</translation>
    </message>
</context>
<context>
    <name>vellamor::Dialogs</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं (&amp;N)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
</context>
<context>
    <name>vellamor::EntryFormWidget</name>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>पहले सहेजी गई कुंडली खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>दिवाप्रकाश बचत समय</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म तिथि</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translatorcomment>Degree = अंश, arcminute = कला.</translatorcomment>
        <translation>अंश/कला</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश और देशांतर जानने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Search the web for the coordinates of the birth place</source>
        <translation>जन्म स्थान के अक्षांश-देशांतर वेब पर खोजें</translation>
    </message>
    <message>
        <source>&amp;Get My Sudarshan Chakra Result</source>
        <translation>मेरा सुदर्शन चक्र देखें (&amp;G)</translation>
    </message>
    <message>
        <source>The Sudarshan chakra comprises of the Surya Kundali, Chandra Kundali and Lagna Kundali or Janma Kundali. This gives a clear view of the position of the different planets and houses with respect to each other and how they affect the native.</source>
        <translatorcomment>Glossary (English - Hindi): Sudarshan Chakra - सुदर्शन चक्र; Kundali (chart) - कुंडली; Lagna (Ascendant) - लग्न; Janma (birth) - जन्म; Rashi/Rasi (sign) - राशि; Surya (Sun) - सूर्य; Chandra (Moon) - चंद्र; house (bhava) - भाव; planet (graha) - ग्रह; native - जातक; retrograde (vakri) - वक्री; direct (margi) - मार्गी; station - स्तंभन/स्थिति; degree - अंश; arcminute - कला; latitude - अक्षांश; longitude - देशांतर; Rahu - राहु; Ketu - केतु; Guru (Jupiter) - गुरु; daylight saving time - दिवाप्रकाश बचत समय; time zone - समय क्षेत्र; Standard Time - मानक समय; War Time - युद्धकालीन समय.</translatorcomment>
        <translation>सुदर्शन चक्र में सूर्य कुंडली, चंद्र कुंडली और लग्न कुंडली अर्थात जन्म कुंडली, तीनों सम्मिलित होती हैं। इससे विभिन्न ग्रहों और भावों की एक-दूसरे के सापेक्ष स्थिति तथा जातक पर उनके प्रभाव का स्पष्ट चित्र मिलता है।</translation>
    </message>
    <message>
        <source>%1 is not in the list, which runs from %2 to %3</source>
        <translation>%1 सूची में नहीं है, सूची %2 से %3 तक है</translation>
    </message>
</context>
<context>
    <name>vellamor::FilteredLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सब चुनें</translation>
    </message>
    <message>
        <source>Please enter only letters</source>
        <translation>कृपया केवल अक्षर लिखें</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>कृपया केवल अंक लिखें</translation>
    </message>
    <message>
        <source>The chart file keeps Latin letters only: please use A to Z, without accents</source>
        <translation>कुंडली फ़ाइल केवल लैटिन अक्षर रख सकती है: कृपया A से Z तक के अक्षर, बिना विशेषक चिह्नों के, लिखें</translation>
    </message>
</context>
<context>
    <name>vellamor::FormProblems</name>
    <message>
        <source>Please Enter Your Name</source>
        <translation>कृपया अपना नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>कृपया अक्षांश के अंश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>कृपया अक्षांश की कलाएँ लिखें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>कृपया देशांतर के अंश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>कृपया देशांतर की कलाएँ लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation>कृपया अपने शहर का नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation>कृपया अपने राज्य का नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation>कृपया अपने देश का नाम लिखें</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>कृपया अक्षांश की दिशा चुनें</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>कृपया देशांतर की दिशा चुनें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया सही तिथि या महीना चुनें!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया सही तिथि या महीना चुनें!</translation>
    </message>
    <message>
        <source>Latitude Must Be At Most 90 Degrees</source>
        <translation>अक्षांश अधिक से अधिक 90 अंश हो सकता है</translation>
    </message>
    <message>
        <source>Minutes of Latitude Must Be Less Than 60</source>
        <translation>अक्षांश की कलाएँ 60 से कम होनी चाहिए</translation>
    </message>
    <message>
        <source>Longitude Must Be At Most 180 Degrees</source>
        <translation>देशांतर अधिक से अधिक 180 अंश हो सकता है</translation>
    </message>
    <message>
        <source>Minutes of Longitude Must Be Less Than 60</source>
        <translation>देशांतर की कलाएँ 60 से कम होनी चाहिए</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर लिखें</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य लिखें</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश लिखें</translation>
    </message>
</context>
<context>
    <name>vellamor::HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट देखें (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर अपडेट जाँचें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>सहायता सामग्री (&amp;C)</translation>
    </message>
</context>
<context>
    <name>vellamor::HelpWindow</name>
    <message>
        <source>Vellamor Help</source>
        <translation>Vellamor सहायता</translation>
    </message>
</context>
<context>
    <name>vellamor::InstanceLock</name>
    <message>
        <source>Application is already running</source>
        <translation>एप्लिकेशन पहले से चल रहा है</translation>
    </message>
    <message>
        <source>The chart %1 could not be handed to it.</source>
        <translation>कुंडली %1 उसे नहीं सौंपी जा सकी।</translation>
    </message>
    <message>
        <source>No private folder could be found or made for the program&apos;s lock. It runs without it: a chart opened from the file manager opens in a window of its own.</source>
        <translation>प्रोग्राम के लॉक के लिए कोई निजी फ़ोल्डर न मिला, न बनाया जा सका। प्रोग्राम उसके बिना चल रहा है: फ़ाइल मैनेजर से खोली गई कुंडली अपनी अलग विंडो में खुलेगी।</translation>
    </message>
</context>
<context>
    <name>vellamor::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translatorcomment>Rasi = राशि; Rasi chart = राशि कुंडली.</translatorcomment>
        <translation>मेरी राशि कुंडली देखें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर निकलें (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Open Chart...</source>
        <translation>कुंडली खोलें... (&amp;O)</translation>
    </message>
    <message>
        <source>Open Chart</source>
        <translation>कुंडली खोलें</translation>
    </message>
    <message>
        <source>%1 is no longer there; it has been taken off the recent charts.</source>
        <translation>%1 अब वहाँ नहीं है; इसे हाल की कुंडलियों से हटा दिया गया है।</translation>
    </message>
</context>
<context>
    <name>vellamor::RecentChartsMenu</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>हाल की कुंडलियाँ खोलें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>सूची साफ़ करें (&amp;C)</translation>
    </message>
</context>
<context>
    <name>vellamor::ResultWindow</name>
    <message>
        <source>Daylight Saving box ticked</source>
        <translation>दिवाप्रकाश बचत बॉक्स चिह्नित</translation>
    </message>
    <message>
        <source>Daylight Saving box unticked</source>
        <translation>दिवाप्रकाश बचत बॉक्स अचिह्नित</translation>
    </message>
    <message>
        <source>North latitude</source>
        <translation>उत्तरी अक्षांश</translation>
    </message>
    <message>
        <source>South latitude</source>
        <translation>दक्षिणी अक्षांश</translation>
    </message>
    <message>
        <source>East longitude</source>
        <translation>पूर्वी देशांतर</translation>
    </message>
    <message>
        <source>West longitude</source>
        <translation>पश्चिमी देशांतर</translation>
    </message>
    <message>
        <source>Birth Details</source>
        <translation>जन्म विवरण</translation>
    </message>
    <message>
        <source>Chart Details</source>
        <translation>कुंडली विवरण</translation>
    </message>
    <message>
        <source>Dasha and Transits</source>
        <translation>दशा और गोचर</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>Birth time</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>Sign boundaries</source>
        <translation>राशि सीमाएँ</translation>
    </message>
    <message>
        <source>Retrograde stations</source>
        <translatorcomment>retrograde = वक्री, direct = मार्गी.</translatorcomment>
        <translation>वक्री और मार्गी होने की तिथियाँ</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>Export Image...</source>
        <translation>चित्र निर्यात करें...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>छापें...</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 पहले से मौजूद है।
क्या आप इसे बदलना चाहते हैं?</translation>
    </message>
    <message>
        <source>Export Image</source>
        <translation>चित्र निर्यात करें</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>छापें</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <comment>birth date: month, day, year</comment>
        <translation>%2 %1 %3</translation>
    </message>
    <message>
        <source>%1 HH %2 MM</source>
        <comment>birth time: hours, minutes</comment>
        <translation>%1 घंटे %2 मिनट</translation>
    </message>
    <message>
        <source>%1 Degree %2 Minute</source>
        <comment>latitude or longitude: degrees, minutes</comment>
        <translation>%1 अंश %2 कला</translation>
    </message>
    <message>
        <source>Vellamor Sudarshan Chakra (*.sud)</source>
        <translation>Vellamor सुदर्शन चक्र (*.sud)</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG image (*.svg);;PDF document (*.pdf)</source>
        <translation>PNG चित्र (*.png);;SVG चित्र (*.svg);;PDF दस्तावेज़ (*.pdf)</translation>
    </message>
    <message>
        <source>Sun Chart</source>
        <translatorcomment>Surya = सूर्य; Kundali = कुंडली.</translatorcomment>
        <translation>सूर्य कुंडली</translation>
    </message>
    <message>
        <source>Moon Chart</source>
        <translatorcomment>Chandra = चंद्र; Kundali = कुंडली.</translatorcomment>
        <translation>चंद्र कुंडली</translation>
    </message>
    <message>
        <source>Birth Chart</source>
        <translatorcomment>The birth ring is counted from the Lagna: लग्न कुंडली (also जन्म कुंडली).</translatorcomment>
        <translation>लग्न कुंडली</translation>
    </message>
    <message>
        <source>Sudarshan Chakra of %1</source>
        <translation>%1 का सुदर्शन चक्र</translation>
    </message>
    <message>
        <source>The chart cannot be saved: the %1 holds the character &quot;%2&quot;, which a chart file cannot carry.</source>
        <translation>कुंडली सहेजी नहीं जा सकती: %1 में वर्ण &quot;%2&quot; है, जिसे कुंडली फ़ाइल नहीं रख सकती।</translation>
    </message>
    <message>
        <source>The chart cannot be saved: the %1 is longer than 200 characters.</source>
        <translation>कुंडली सहेजी नहीं जा सकती: %1 200 वर्णों से लंबा है।</translation>
    </message>
    <message>
        <source>The chart could not be saved.</source>
        <translation>कुंडली सहेजी नहीं जा सकी।</translation>
    </message>
    <message>
        <source>The chart sheet could not be exported.</source>
        <translation>कुंडली पत्र निर्यात नहीं किया जा सका।</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>ग्रह स्थिति</translation>
    </message>
    <message>
        <source>Stability</source>
        <translation>स्थिरता</translation>
    </message>
    <message>
        <source>R: Rahu. (R) after a planet: retrograde.</source>
        <translation>R: राहु। किसी ग्रह के बाद (R): वक्री।</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>कुंडली सहेजें</translation>
    </message>
    <message>
        <source>%1, pada %2, lord %3</source>
        <comment>nakshatra: name, pada 1 to 4, ruling planet</comment>
        <translation>%1, पाद %2, स्वामी %3</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>birth detail</comment>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म तिथि</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर निकलें (&amp;E)</translation>
    </message>
</context>
<context>
    <name>vellamor::StabilityWording</name>
    <message>
        <source>under 1 min</source>
        <translation>1 मिनट से कम</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 मिनट</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 घंटे %2 मिनट</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 घंटे</translation>
    </message>
    <message>
        <source>%1 d %2 h</source>
        <translation>%1 दिन %2 घंटे</translation>
    </message>
    <message>
        <source>%1 d</source>
        <translation>%1 दिन</translation>
    </message>
    <message>
        <source>%1 earlier</source>
        <translation>%1 पहले</translation>
    </message>
    <message>
        <source>not within %1 earlier</source>
        <translation>%1 पहले तक भी नहीं</translation>
    </message>
    <message>
        <source>%1 later</source>
        <translation>%1 बाद</translation>
    </message>
    <message>
        <source>not within %1 later</source>
        <translation>%1 बाद तक भी नहीं</translation>
    </message>
    <message>
        <source>Lagna changes sign if birth was %1 or %2</source>
        <translation>लग्न की राशि बदल जाती यदि जन्म %1 या %2 होता</translation>
    </message>
    <message>
        <source>Moon changes sign if birth was %1 or %2</source>
        <translation>चंद्र की राशि बदल जाती यदि जन्म %1 या %2 होता</translation>
    </message>
    <message>
        <source>(before the tables)</source>
        <translation>(तालिकाओं से पहले)</translation>
    </message>
    <message>
        <source>(after the tables)</source>
        <translation>(तालिकाओं के बाद)</translation>
    </message>
    <message>
        <source>retrograde from %1 to %2</source>
        <translation>%1 से %2 तक वक्री</translation>
    </message>
    <message>
        <source>direct; last direct station %1, next retrograde station %2</source>
        <translation>मार्गी; पिछली मार्गी स्थिति %1, अगली वक्री स्थिति %2</translation>
    </message>
    <message>
        <source>; the birth day is at a station, so the calendar day decides the mark</source>
        <translation>; जन्म का दिन स्थिर (स्तंभन) बिंदु पर है, अतः चिह्न कैलेंडर की तिथि से तय होता है</translation>
    </message>
    <message>
        <source>No body stands within one arcminute of a sign boundary.</source>
        <translation>कोई भी ग्रह किसी राशि की सीमा से एक कला के भीतर नहीं है।</translation>
    </message>
    <message>
        <source>Within one arcminute of a sign boundary, so their house rests on the last digit: %1.</source>
        <translation>राशि की सीमा से एक कला के भीतर, अतः इनका भाव अंतिम अंक पर टिका है: %1।</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 %2 %3, %4:%5 UT</source>
        <comment>day, month, year, hours, minutes</comment>
        <translation>%1 %2 %3, %4:%5 UT</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Time zone check: &quot;%1&quot; is %2, but the birth longitude %3°%4&apos; %5 keeps a mean solar time of about %6.</source>
        <translation>समय क्षेत्र की जाँच: &quot;%1&quot; %2 है, परंतु जन्म का देशांतर %3°%4&apos; %5 लगभग %6 का माध्य सौर समय दर्शाता है।</translation>
    </message>
    <message>
        <source> The zone lies on the other side of Greenwich from the longitude.</source>
        <translation> यह समय क्षेत्र देशांतर की तुलना में ग्रीनविच के दूसरी ओर पड़ता है।</translation>
    </message>
    <message>
        <source> A zone more than 1 h 30 min away from it is often a data-entry error.</source>
        <translation> इससे 1 घंटे 30 मिनट से अधिक दूर का समय क्षेत्र प्रायः प्रविष्टि की भूल होता है।</translation>
    </message>
    <message>
        <source> Vellamor takes the zone&apos;s direction from the longitude: it used %1%2 %3 of Greenwich and computed the Ascendant and the Moon for %4, and the planets, from the zone&apos;s own offset, for %5. Please check the time zone.</source>
        <translation> Vellamor समय क्षेत्र की दिशा देशांतर से लेता है: इसने ग्रीनविच से %3 में %1%2 का अंतर माना, लग्न और चंद्र की गणना %4 के लिए की, और ग्रहों की गणना समय क्षेत्र के अपने अंतर से %5 के लिए की। कृपया समय क्षेत्र जाँच लें।</translation>
    </message>
    <message>
        <source> (and the daylight-saving hour)</source>
        <translation> (और दिवाप्रकाश बचत का एक घंटा)</translation>
    </message>
    <message>
        <source> The precise calculation takes the zone&apos;s own offset and the daylight-saving hour: it computed the chart for %1. Please check the time zone.</source>
        <translation> सटीक गणना समय क्षेत्र का अपना अंतर और दिवाप्रकाश बचत का घंटा लेती है: इसने कुंडली की गणना %1 के लिए की। कृपया समय क्षेत्र जाँच लें।</translation>
    </message>
    <message>
        <source> The precise calculation takes the zone&apos;s own offset: it computed the chart for %1. Please check the time zone.</source>
        <translation> सटीक गणना समय क्षेत्र का अपना अंतर लेती है: इसने कुंडली की गणना %1 के लिए की। कृपया समय क्षेत्र जाँच लें।</translation>
    </message>
</context>
<context>
    <name>vellamor::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>इस सॉफ़्टवेयर का नया संस्करण उपलब्ध हो सकता है
क्या आप अपडेट की जाँच करना चाहते हैं?</translation>
    </message>
    <message>
        <source>The settings file could not be changed, so it was left as it is; the update reminder may come again at the next start.</source>
        <translation>सेटिंग्स फ़ाइल बदली नहीं जा सकी, इसलिए उसे जैसी थी वैसी ही छोड़ दिया गया; अपडेट की याद अगली बार शुरू करने पर फिर आ सकती है।</translation>
    </message>
</context>
<context>
    <name>vellamor::WebLinks</name>
    <message>
        <source>No web browser could be opened.</source>
        <translation>कोई वेब ब्राउज़र नहीं खुल सका।</translation>
    </message>
    <message>
        <source>Open this address in a browser: %1</source>
        <translation>यह पता किसी ब्राउज़र में खोलें: %1</translation>
    </message>
</context>
<context>
    <name>vellamor::Wording</name>
    <message>
        <source>Please Check The File.</source>
        <translation>कृपया फ़ाइल जाँचें।</translation>
    </message>
    <message>
        <source>name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>month</source>
        <translation>मास</translation>
    </message>
    <message>
        <source>day</source>
        <translation>दिन</translation>
    </message>
    <message>
        <source>year</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>घंटा</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>मिनट</translation>
    </message>
    <message>
        <source>time zone row</source>
        <translation>समय क्षेत्र की पंक्ति</translation>
    </message>
    <message>
        <source>exact offset</source>
        <translation>सटीक समयांतर</translation>
    </message>
    <message>
        <source>degrees of longitude</source>
        <translation>देशांतर के अंश</translation>
    </message>
    <message>
        <source>minutes of longitude</source>
        <translation>देशांतर की कलाएँ</translation>
    </message>
    <message>
        <source>degrees of latitude</source>
        <translation>अक्षांश के अंश</translation>
    </message>
    <message>
        <source>minutes of latitude</source>
        <translation>अक्षांश की कलाएँ</translation>
    </message>
    <message>
        <source>East/West</source>
        <translation>पूर्व/पश्चिम</translation>
    </message>
    <message>
        <source>North/South</source>
        <translation>उत्तर/दक्षिण</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>दिवाप्रकाश बचत समय</translation>
    </message>
    <message>
        <source>city</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>state</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>%1%2 is not %3 to %4</source>
        <extracomment>%1 the field (month), %2 its value with a space before it, or nothing; %3 and %4 the bounds.</extracomment>
        <translation>%1%2: %3 से %4 तक होना चाहिए</translation>
    </message>
    <message>
        <source>%1%2 is neither True nor False</source>
        <translation>%1%2: न True है, न False</translation>
    </message>
    <message>
        <source>%1%2 is neither +H:MM[:SS] within 14:00 nor LMT</source>
        <translation>%1%2: न +H:MM[:SS] (14:00 के भीतर) है, न LMT</translation>
    </message>
    <message>
        <source>%1%2 are not one to three digits</source>
        <translation>%1%2: एक से तीन अंक होने चाहिए</translation>
    </message>
    <message>
        <source>the %1 is longer than 200 characters</source>
        <translation>%1 200 वर्णों से लंबा है</translation>
    </message>
    <message>
        <source>the name does not end in &quot;sud&quot;</source>
        <translation>नाम के अंत में &quot;sud&quot; नहीं है</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>ऐसी कोई फ़ाइल नहीं है</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>अनुमति नहीं है</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>यह साधारण फ़ाइल नहीं है</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>इसे पढ़ा नहीं जा सकता</translation>
    </message>
    <message>
        <source>larger than 64 KiB</source>
        <translation>64 KiB से बड़ी है</translation>
    </message>
    <message>
        <source>line %1 is too long</source>
        <translation>पंक्ति %1 बहुत लंबी है</translation>
    </message>
    <message>
        <source>line %1 cannot be decoded</source>
        <translation>पंक्ति %1 पढ़ी नहीं जा सकती</translation>
    </message>
    <message>
        <source>line %1 is cut short</source>
        <translation>पंक्ति %1 अधूरी है</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>फ़ाइल ख़ाली है</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 the line&apos;s number, %2 why its value was refused.</extracomment>
        <translation>पंक्ति %1: %2</translation>
    </message>
    <message>
        <source>will not follow a symbolic link in a shared folder</source>
        <translation>साझा फ़ोल्डर की प्रतीकात्मक कड़ी (symbolic link) पर नहीं जाया जाएगा</translation>
    </message>
    <message>
        <source>the symbolic link leads to no file</source>
        <translation>प्रतीकात्मक कड़ी (symbolic link) किसी फ़ाइल तक नहीं ले जाती</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>फ़ाइल केवल पढ़ने के लिए है</translation>
    </message>
    <message>
        <source>%1: the name must end in .png, .svg or .pdf</source>
        <translation>%1: नाम के अंत में .png, .svg या .pdf होना चाहिए</translation>
    </message>
    <message>
        <source>%1: the sheet could not be drawn</source>
        <translation>%1: कुंडली पत्र नहीं बनाया जा सका</translation>
    </message>
    <message>
        <source>the file ends after line %1</source>
        <translation>फ़ाइल पंक्ति %1 के बाद समाप्त हो जाती है</translation>
    </message>
    <message>
        <source>the file goes on after line %1</source>
        <translation>फ़ाइल पंक्ति %1 के बाद भी आगे चलती है</translation>
    </message>
    <message>
        <source>the file has other names (hard links) and is too large to rewrite in place</source>
        <translation>फ़ाइल के अन्य नाम (हार्ड लिंक) हैं और वह अपनी जगह पर दोबारा लिखने के लिए बहुत बड़ी है</translation>
    </message>
    <message>
        <source>An earlier save into this file was cut off after its last byte; it is now complete.</source>
        <translation>इस फ़ाइल में पिछली बार सहेजना अंतिम बाइट के बाद रुक गया था; अब वह पूरा हो गया है।</translation>
    </message>
    <message>
        <source>An earlier save into this file was cut off part way; the chart it held before that save is back.</source>
        <translation>इस फ़ाइल में पिछली बार सहेजना बीच में रुक गया था; उस बार सहेजने से पहले वाली कुंडली वापस आ गई है।</translation>
    </message>
    <message>
        <source>%1: not written: no installed font has &quot;%2&quot;, which the sheet needs; install its font (%3)</source>
        <translation>%1: नहीं लिखा गया: किसी भी स्थापित फ़ॉन्ट में &quot;%2&quot; नहीं है, जो कुंडली पत्र के लिए ज़रूरी है; उसका फ़ॉन्ट स्थापित करें (%3)</translation>
    </message>
    <message>
        <source>January</source>
        <translation>जनवरी</translation>
    </message>
    <message>
        <source>February</source>
        <translation>फ़रवरी</translation>
    </message>
    <message>
        <source>March</source>
        <translation>मार्च</translation>
    </message>
    <message>
        <source>April</source>
        <translation>अप्रैल</translation>
    </message>
    <message>
        <source>May</source>
        <translation>मई</translation>
    </message>
    <message>
        <source>June</source>
        <translation>जून</translation>
    </message>
    <message>
        <source>July</source>
        <translation>जुलाई</translation>
    </message>
    <message>
        <source>August</source>
        <translation>अगस्त</translation>
    </message>
    <message>
        <source>September</source>
        <translation>सितंबर</translation>
    </message>
    <message>
        <source>October</source>
        <translation>अक्टूबर</translation>
    </message>
    <message>
        <source>November</source>
        <translation>नवंबर</translation>
    </message>
    <message>
        <source>December</source>
        <translation>दिसंबर</translation>
    </message>
</context>
<context>
    <name>vellamor::atlas::PlaceAssistant</name>
    <message>
        <source>The coordinates and time zone are still those of %1.</source>
        <translation>निर्देशांक और समय क्षेत्र अब भी %1 के हैं।</translation>
    </message>
    <message>
        <source>The atlas has &lt;a href=&quot;take&quot;&gt;%1&lt;/a&gt;: pick it to use its coordinates and zone.</source>
        <translation>एटलस में &lt;a href=&quot;take&quot;&gt;%1&lt;/a&gt; है: उसके निर्देशांक और समय क्षेत्र लेने के लिए उसे चुनें।</translation>
    </message>
    <message>
        <source>Pick the place from the list to use its coordinates and zone.</source>
        <translation>स्थान के निर्देशांक और समय क्षेत्र लेने के लिए उसे सूची से चुनें।</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;keep&quot;&gt;Keep these coordinates and zone&lt;/a&gt;.</source>
        <translation>&lt;a href=&quot;keep&quot;&gt;यही निर्देशांक और समय क्षेत्र रखें&lt;/a&gt;।</translation>
    </message>
</context>
<context>
    <name>vellamor::atlas::PlaceNote</name>
    <message>
        <source>The atlas knows no place called &quot;%1&quot;: everything stays as typed</source>
        <translation>एटलस में &quot;%1&quot; नाम का कोई स्थान नहीं है: सब कुछ जैसा लिखा है, वैसा ही रहेगा</translation>
    </message>
</context>
<context>
    <name>vellamor::atlas::ZoneNote</name>
    <message>
        <source>row %1</source>
        <translation>पंक्ति %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>date: day, month, year</comment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours</comment>
        <translation>%1 घंटे</translation>
    </message>
    <message>
        <source>%1 min</source>
        <comment>minutes</comment>
        <translation>%1 मिनट</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>seconds</comment>
        <translation>%1 सेकंड</translation>
    </message>
    <message>
        <source>%1 (row %2) with the Daylight Saving box ticked</source>
        <extracomment>%1 the row&apos;s name as the zone list shows it, %2 its number. Stands after &quot;Zone:&quot; and after &quot;choose&quot; in the sentence on a repeated hour.</extracomment>
        <translation>%1 (पंक्ति %2), दिवाप्रकाश बचत बॉक्स चिह्नित</translation>
    </message>
    <message>
        <source>%1 (row %2) with the Daylight Saving box unticked</source>
        <translation>%1 (पंक्ति %2), दिवाप्रकाश बचत बॉक्स अचिह्नित</translation>
    </message>
    <message>
        <source>standard time</source>
        <extracomment>What the clocks were on: stands in the sentences on the clocks at the place.</extracomment>
        <translation>मानक समय</translation>
    </message>
    <message>
        <source>daylight saving time</source>
        <translation>दिवाप्रकाश बचत समय</translation>
    </message>
    <message>
        <source>double summer time</source>
        <translation>दोहरा ग्रीष्मकालीन समय</translation>
    </message>
    <message>
        <source>daylight saving time, %1 ahead of standard time</source>
        <extracomment>What the clocks were on; %1 is a duration such as &quot;1 h 30 min&quot;.</extracomment>
        <translation>दिवाप्रकाश बचत समय, मानक समय से %1 आगे</translation>
    </message>
    <message>
        <source>about %1 for the Ascendant and under 0.1° for the Moon</source>
        <translation>लग्न में लगभग %1 और चंद्र में 0.1° से कम</translation>
    </message>
    <message>
        <source>about %1 for the Ascendant and %2 for the Moon</source>
        <extracomment>How far off the chart is: stands in brackets or after a comma in the sentences on errors. %1 and %2 are angles such as &quot;15°&quot;.</extracomment>
        <translation>लग्न में लगभग %1 और चंद्र में %2</translation>
    </message>
    <message>
        <source>No row gives the Ascendant and the Moon %1: with the closest they are %2 off, %3.</source>
        <translation>कोई भी पंक्ति लग्न और चंद्र को %1 नहीं देती: सबसे निकट की पंक्ति से उनमें %2 की त्रुटि रहती है, यानी %3।</translation>
    </message>
    <message>
        <source>No row gives the Ascendant and the Moon %1: with the closest they are %2 off, %3; the planets %4 off.</source>
        <translation>कोई भी पंक्ति लग्न और चंद्र को %1 नहीं देती: सबसे निकट की पंक्ति से उनमें %2 की त्रुटि रहती है, यानी %3; ग्रहों में %4 की त्रुटि।</translation>
    </message>
    <message>
        <source>No row gives the Ascendant and the Moon %1 east of Greenwich: with the closest they are %2 off, %3.</source>
        <translation>ग्रीनविच के पूर्व में कोई भी पंक्ति लग्न और चंद्र को %1 नहीं देती: सबसे निकट की पंक्ति से उनमें %2 की त्रुटि रहती है, यानी %3।</translation>
    </message>
    <message>
        <source>No row gives the Ascendant and the Moon %1 east of Greenwich: with the closest they are %2 off, %3; the planets %4 off.</source>
        <translation>ग्रीनविच के पूर्व में कोई भी पंक्ति लग्न और चंद्र को %1 नहीं देती: सबसे निकट की पंक्ति से उनमें %2 की त्रुटि रहती है, यानी %3; ग्रहों में %4 की त्रुटि।</translation>
    </message>
    <message>
        <source>No row gives the Ascendant and the Moon %1 west of Greenwich: with the closest they are %2 off, %3.</source>
        <translation>ग्रीनविच के पश्चिम में कोई भी पंक्ति लग्न और चंद्र को %1 नहीं देती: सबसे निकट की पंक्ति से उनमें %2 की त्रुटि रहती है, यानी %3।</translation>
    </message>
    <message>
        <source>No row gives the Ascendant and the Moon %1 west of Greenwich: with the closest they are %2 off, %3; the planets %4 off.</source>
        <translation>ग्रीनविच के पश्चिम में कोई भी पंक्ति लग्न और चंद्र को %1 नहीं देती: सबसे निकट की पंक्ति से उनमें %2 की त्रुटि रहती है, यानी %3; ग्रहों में %4 की त्रुटि।</translation>
    </message>
    <message>
        <source>Zone: %1.</source>
        <translatorcomment>Glossary of the zone notes (English - Hindi): zone - समय क्षेत्र; row - पंक्ति; region - प्रदेश; Daylight Saving box ticked/unticked - दिवाप्रकाश बचत बॉक्स चिह्नित/अचिह्नित; standard time - मानक समय; daylight saving time - दिवाप्रकाश बचत समय; summer time - ग्रीष्मकालीन समय; offset - अंतर; Ascendant - लग्न; Moon - चंद्र; planets - ग्रह; chart - कुंडली; (so many) off - (इतने) की त्रुटि; h/min/s - घंटे/मिनट/सेकंड. Dates read day, month, year (5 मार्च 1980); numbers, UTC offsets, zone abbreviations and place names stay as they are.</translatorcomment>
        <translation>समय क्षेत्र: %1।</translation>
    </message>
    <message>
        <source>%1 on %2 did not exist on the clocks in %3: they were put forward over it. Read with the time before the change, %4, %5.</source>
        <extracomment>%1 the clock time (2:30), %2 the date, %3 the place, %4 what the clocks were on (standard time), %5 the offset (UTC-5).</extracomment>
        <translation>%2 को %3 की घड़ियों में %1 बजा ही नहीं: घड़ियाँ उस समय को लाँघकर आगे कर दी गई थीं। इसे बदलाव से पहले के समय (%4, %5) से पढ़ा गया।</translation>
    </message>
    <message>
        <source>On %1 clocks in %2 were on %3, %4.</source>
        <extracomment>%1 the date, %2 the place, %3 what the clocks were on (standard time), %4 the offset (UTC+5:30).</extracomment>
        <translation>%1 को %2 में घड़ियाँ %3 (%4) पर चल रही थीं।</translation>
    </message>
    <message>
        <source>%1 came twice that night: taken as the first, before the clocks went back; for the second (%2) choose %3.</source>
        <extracomment>%1 the clock time (1:30), %2 the offset of its second reading (UTC-5), %3 a row and the box to choose for it.</extracomment>
        <translation>उस रात %1 दो बार बजा: पहली बार वाला, यानी घड़ियाँ पीछे किए जाने से पहले का, माना गया; दूसरी बार वाले (%2) के लिए %3 चुनें।</translation>
    </message>
    <message>
        <source>As set by hand: the Ascendant and the Moon %1 off (%2), the planets %3 off.</source>
        <translation>हाथ से किए गए चयन के अनुसार: लग्न और चंद्र में %1 की त्रुटि (%2), ग्रहों में %3 की त्रुटि।</translation>
    </message>
    <message>
        <source>As set by hand: the Ascendant and the Moon %1 off (%2), the planets right.</source>
        <translation>हाथ से किए गए चयन के अनुसार: लग्न और चंद्र में %1 की त्रुटि (%2), ग्रह सही।</translation>
    </message>
    <message>
        <source>As set by hand: the Ascendant and the Moon right, the planets %1 off.</source>
        <translation>हाथ से किए गए चयन के अनुसार: लग्न और चंद्र सही, ग्रहों में %1 की त्रुटि।</translation>
    </message>
    <message>
        <source>The planets, which take the row&apos;s own offset, are %1 off.</source>
        <translation>ग्रहों में, जो पंक्ति का अपना अंतर लेते हैं, %1 की त्रुटि है।</translation>
    </message>
    <message>
        <source>The row&apos;s name belongs to another region: no row is named for the time in %1, so this one was chosen for its offset; the chart is right as it is.</source>
        <translation>इस पंक्ति का नाम किसी दूसरे प्रदेश का है: %1 के समय के नाम की कोई पंक्ति नहीं है, इसलिए यह पंक्ति अपने अंतर के कारण चुनी गई; कुंडली जैसी है, वैसी ही सही है।</translation>
    </message>
    <message>
        <source>The time-zone database has no %1: zone and daylight saving left as they were</source>
        <translation>समय क्षेत्र डेटाबेस में %1 नहीं है: समय क्षेत्र और दिवाप्रकाश बचत जैसे थे, वैसे ही छोड़े गए</translation>
    </message>
    <message>
        <source>The precise chart takes the row&apos;s own offset and the box&apos;s hour: it is exact.</source>
        <translation>सटीक कुंडली पंक्ति का अपना अंतर और बॉक्स का घंटा लेती है: वह ठीक है।</translation>
    </message>
    <message>
        <source>No row gives %1: with the closest the precise chart is %2 off (%3).</source>
        <translation>कोई भी पंक्ति %1 नहीं देती: सबसे निकट की पंक्ति से सटीक कुंडली में %2 की त्रुटि रहती है (%3)।</translation>
    </message>
    <message>
        <source>No row gives %1: the precise chart takes the exact offset %2 and is exact.</source>
        <translation>कोई भी पंक्ति %1 नहीं देती: सटीक कुंडली सटीक समयांतर %2 लेती है और ठीक है।</translation>
    </message>
    <message>
        <source>%1 kept local mean time then (the database&apos;s %2 is its reference city&apos;s): the precise chart takes that of the place&apos;s own longitude, %3, and is exact.</source>
        <extracomment>%1 the place, %2 the database&apos;s offset (UTC+5:41:16), %3 the place&apos;s own (+05:41:20).</extracomment>
        <translation>%1 में तब स्थानीय माध्य समय चलता था (डेटाबेस का %2 उसके संदर्भ नगर का है): सटीक कुंडली स्थान के अपने देशांतर का समय, %3, लेती है और ठीक है।</translation>
    </message>
    <message>
        <source>As set by hand: the precise chart is %1 off (%2).</source>
        <translation>हाथ से किए गए चयन के अनुसार: सटीक कुंडली में %1 की त्रुटि (%2)।</translation>
    </message>
</context>
</TS>
