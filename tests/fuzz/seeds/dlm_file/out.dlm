[Document]
Headline=Velk
Status=Show
Duplicates=1
From board=1
To board=2
Board 01=aaaaaabffffffkkkkkklpppppp015
Board 02=limaplkfaoambcgfoldjelfpfg011
