VERSION 5.00
Begin VB.Form F 
   Begin FolivanTabs.FolivanTab First 
      Tabs            =   1
   End
   Begin FolivanTabs.FolivanTab Second 
      Tabs            =   2
      BackPic         =   "red.png"
      iTabPicture(1)  =   "red.png"
      iTabPicture(0)  =   "F.frx":0000
   End
End
