VERSION 5.00
Begin VB.Form F
   Begin FolivanTabs.FolivanTab T
      Tabs            =   -5
      CurrentTab      =   9
   End
End
