VERSION 5.00
Begin VB.Form F
   Begin FolivanTabs.FolivanTab T
      BeginProperty FONT {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         Size = 1e308
      EndProperty
      DCtrlCount = 32767
