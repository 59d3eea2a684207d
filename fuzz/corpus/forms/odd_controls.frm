VERSION 5.00
Begin VB.Form F
   Begin FolivanTabs.FolivanTab T
      Tabs            =   2
      TabContCtrlCnt(1)=   3
      Tab(1)ContCtrlCap(1)=   "A[0]"
      Begin VB.Line L
         X1 = -80000
      End
      Begin VB.TextBox A
         Left = 99999999999
      End
   End
End
